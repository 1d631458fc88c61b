#include "main_window/form1.h"
#include "toolkit/error_box.h"
#include "toolkit/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets a desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Harmtally"));
    harmtally::toolkit::registerFonts();
    harmtally::Form1 form1(harmtally::toolkit::showErrorBox);
    form1.show();
    return app.exec();
}
