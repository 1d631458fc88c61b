#include "main_window/form1.h"
#include "toolkit/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    harmtally::toolkit::registerFonts();
    harmtally::Form1 form1;
    form1.show();
    return app.exec();
}
