#include "toolkit/designed_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace harmtally::toolkit {

QIcon programIcon()
{
    // One icon for every window ever opened: each new icon would leave its pixmaps in Qt's
    // pixmap cache under keys of its own, and the program would grow with every opening.
    static const QIcon icon = [] {
        QIcon images;
        for (int size : {16, 32, 48})
            images.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
        return images;
    }();
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
    fitOnScreen(*this);
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

void DesignedWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitOnScreen(*this);
}

void fitOnScreen(QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window.screen();
    const QRect area = screen->availableGeometry();
    const QPoint fitted(
        std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
        std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    if (fitted != frame.topLeft())
        window.move(fitted); // move() places the frame
}

} // namespace harmtally::toolkit
