// The program as a window, in the library the program opens only to show it (app/launch.cpp):
// the application on a display, the bundled fonts, the main window (and the ranking window, when
// asked for), until the main window closes.

#include "main_window/main_window.h"
#include "texts/messages.h"
#include "toolkit/error_box.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace harmtally {
namespace {

// What Qt says while it looks for a display: kept back, and said only if a display is found.
QStringList heldBack;

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // Qt found no display (or no way to draw on one) and would abort here.
        std::fprintf(stderr, "%s\n", qUtf8Printable(messages::noDisplay()));
        std::_Exit(1);
    }
    heldBack.append(qFormatLogMessage(type, context, message));
}

// Windows starts a program from the Start menu or Explorer in its own folder, which a user may
// not write (Program Files): the save dialogs, which begin in the current folder, begin in
// Documents then.
void leaveProgramFolder()
{
#ifdef Q_OS_WIN
    if (QDir::current() == QDir(QCoreApplication::applicationDirPath()))
        QDir::setCurrent(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
#endif
}

// Without a display the program prints one line saying so and ends with status 1, instead of
// letting Qt abort.
int runWindows(int &argc, char **argv, bool rankingWindow)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdBack);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString &message : std::exchange(heldBack, {}))
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));

    // Lets a desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Harmtally"));
    toolkit::registerFonts();
    leaveProgramFolder();
    MainWindow window(toolkit::showErrorBox, QLocale::system());
    window.show();
    if (rankingWindow)
        window.openRanking();
    return app.exec();
}

} // namespace
} // namespace harmtally

// What the program opens this library for (app/launch.cpp).
extern "C" Q_DECL_EXPORT int harmtally_run_windows(int *argc, char **argv, int rankingWindow)
{
    return harmtally::runWindows(*argc, argv, rankingWindow != 0);
}
