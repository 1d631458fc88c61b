#include "toolkit/designed_window.h"

#include <QIcon>
#include <QImageReader>
#include <QPainter>

namespace harmtally::toolkit {

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

DesignedWindow::DesignedWindow(const WindowDesign &design)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.title));
    setWindowIcon(programIcon());
    // setGeometry places the client area, which is what the design gives.
    const QRect client(pixels(design.left), pixels(design.top), pixels(design.width),
                       pixels(design.height));
    setGeometry(client);
    if (design.border == Border::Fixed)
        setFixedSize(client.size());
    if (design.picture) {
        // Only the top-left part that the window shows is ever seen: decode just that.
        QImageReader reader(QStringLiteral(":/images/background.jpg"));
        reader.setClipRect(QRect(QPoint(0, 0), client.size()));
        picture_ = reader.read();
    }
}

void DesignedWindow::paintEvent(QPaintEvent *event)
{
    if (picture_.isNull())
        return QWidget::paintEvent(event);
    QPainter(this).drawImage(0, 0, picture_);
}

} // namespace harmtally::toolkit
