// Harmtally's start, as app/main.cpp does it, up to the first paint of the main window.

#include "first_paint.h"
#include "main_window/form1.h"
#include "toolkit/error_box.h"
#include "toolkit/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    harmtally::toolkit::registerFonts();
    harmtally::Form1 form1(harmtally::toolkit::showErrorBox);
    harmtally::bench::FirstPaintReport report(form1);
    form1.show();
    return app.exec();
}
