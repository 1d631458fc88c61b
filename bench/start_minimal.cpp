// The floor: a Qt Widgets window with one label, up to its first paint.

#include "first_paint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("Harmtally"), &window);
    harmtally::bench::FirstPaintReport report;
    window.show();
    return app.exec();
}
