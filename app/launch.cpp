#include "app/launch.h"

#include "texts/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <string>

#include <windows.h>
#endif

namespace harmtally {
namespace {

// The folder of the program's own file, whatever argv[0] says, before any QCoreApplication
// exists (applicationDirPath() needs one, and the command line has none).
QString programFolder()
{
#ifdef Q_OS_WIN
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    return QFileInfo(QString::fromWCharArray(path.data(), length)).path();
#else
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).path();
#endif
}

} // namespace

int launchWindows(int &argc, char **argv, bool rankingWindow, Language language)
{
    const QString here = programFolder();
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
