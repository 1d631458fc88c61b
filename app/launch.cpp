#include "app/launch.h"

#include "texts/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

namespace harmtally {

int launchWindows(int &argc, char **argv, bool rankingWindow, Language language)
{
    // Beside the program in a build tree; where the package puts it otherwise. Found from the
    // program's own file, which /proc/self/exe names whatever argv[0] says and before any
    // QCoreApplication exists (applicationDirPath() needs one, and the command line has none).
    const QString here
        = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).path();
    QLibrary windows;
    QStringList tried;
    for (const char *place : {HARMTALLY_WINDOWS_BESIDE, HARMTALLY_WINDOWS_INSTALLED}) {
        windows.setFileName(QDir::cleanPath(here + u'/' + QLatin1String(place)));
        tried.append(windows.fileName());
        if (windows.load())
            break;
    }
    using Run = int (*)(int *, char **, int);
    const auto run = reinterpret_cast<Run>(windows.resolve("harmtally_run_windows"));
    if (!run) {
        std::fprintf(stderr, "%s\n",
                     qUtf8Printable(messages::kWindowsMissing.in(language).arg(
                         tried.join(words::kAnd.in(language)), windows.errorString())));
        return 1;
    }
    return run(&argc, argv, rankingWindow);
}

} // namespace harmtally
