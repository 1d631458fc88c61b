#include "toolkit/designed_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace harmtally::toolkit {
namespace {

// The picture and the icon are stored as the pixels tools/draw_art decoded from the JPEG and the
// PNGs, uncompressed: the image wraps the program's own read-only bytes, so the start needs no
// image plugin, no decoder and no copy.
QImage storedPixels(const QString &path, QSize size, QImage::Format format)
{
    const QResource resource(path);
    const auto *bits = resource.data();
    if (resource.compressionAlgorithm() != QResource::NoCompression
        || resource.size() != qint64(size.width()) * size.height() * 4)
        return QImage();
    const QImage image(bits, size.width(), size.height(), format);
    // QImage reads whole pixels only from 4-byte aligned data; rcc does not promise that.
    return quintptr(bits) % 4 == 0 ? image : image.copy();
}

// All of the picture any window shows: the main window's client area.
constexpr QSize kStoredPicture(339, 368);

} // namespace

QIcon programIcon()
{
    // One icon for every window ever opened: each new icon would leave its pixmaps in Qt's
    // pixmap cache under keys of its own, and the program would grow with every opening.
    static const QIcon icon = [] {
        QIcon images;
        for (int size : {16, 32, 48})
            images.addPixmap(
                QPixmap::fromImage(storedPixels(QStringLiteral(":/images/icon-%1.argb32").arg(size),
                                                QSize(size, size), QImage::Format_ARGB32)));
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
        picture_ = storedPixels(QStringLiteral(":/images/background.rgb32"), kStoredPicture,
                                QImage::Format_RGB32);
        // The main window shows all of the stored part, in place; any smaller window, its top left.
        if (client.size() != kStoredPicture)
            picture_ = picture_.copy(QRect(QPoint(0, 0), client.size().boundedTo(kStoredPicture)));
    }
}

void DesignedWindow::paintEvent(QPaintEvent *event)
{
    if (picture_.isNull())
        return QWidget::paintEvent(event);
    QPainter(this).drawImage(0, 0, picture_);
}

QMargins knownFrame(const QMargins &reported)
{
    const bool whole = reported.left() >= 0 && reported.top() >= 0 && reported.right() >= 0
                       && reported.bottom() >= 0;
    return whole ? reported : QMargins();
}

QMargins frameMargins(const QWidget &window)
{
    // Asked of the window itself: QWidget::frameGeometry() keeps the frame it saw at the last move
    // or resize, and the window manager may set its frame later without either.
    const QWindow *handle = window.windowHandle();
    return knownFrame(handle ? handle->frameMargins() : QMargins());
}

QRect fittedClient(const QRect &client, const QMargins &frame, const QRect &area, QSize least)
{
    const QMargins margins = knownFrame(frame);
    const QSize size = client.size().boundedTo(area.size().shrunkBy(margins)).expandedTo(least);
    const QRect whole(client.topLeft() - QPoint(margins.left(), margins.top()),
                      size.grownBy(margins));
    const QPoint fitted(
        std::max(area.left(), std::min(whole.left(), area.right() + 1 - whole.width())),
        std::max(area.top(), std::min(whole.top(), area.bottom() + 1 - whole.height())));
    return {fitted + QPoint(margins.left(), margins.top()), size};
}

QRect frameGeometry(const QWidget &window)
{
    return window.geometry().marginsAdded(frameMargins(window));
}

QRect availableAreaAt(QPoint point, const QWidget &window)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    return (screen ? screen : window.screen())->availableGeometry();
}

namespace {

// Keeps its window whole on the screen, frame included. It fits the window when it is shown or
// resized, and again when the frame changes: a window manager adds its frame and title bar only
// after the window is shown, names them without telling Qt, and may have shifted the window
// meanwhile, so the frame is looked at again at every move, resize and activation, and the fit
// starts again from where the program wanted the window.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    explicit ScreenFit(QWidget &window)
        : QObject(&window)
        , window_(window)
    {
        window.installEventFilter(this);
    }

    // Places the client area's top left at `wanted`, or just as far from it as the frame needs to
    // be whole on the available area: towards the top left, and never past it.
    void fitFrom(QPoint wanted)
    {
        margins_ = frameMargins(window_);
        const QRect client = fittedClient(QRect(wanted, window_.size()), margins_,
                                          availableAreaAt(wanted, window_), window_.minimumSize());
        wanted_ = client.topLeft();
        // The client area is placed: move() would place the frame Qt saw last, which may be stale.
        if (client != window_.geometry())
            window_.setGeometry(client);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show)
            fitFrom(window_.geometry().topLeft());
        else if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)
                 && window_.isVisible() && frameMargins(window_) != margins_)
            fitFrom(wanted_);
        else if (type == QEvent::Resize && window_.isVisible())
            fitFrom(window_.geometry().topLeft()); // grown, as for another mode's columns
        else if (type == QEvent::Move && window_.isVisible() && pastTopLeft())
            fitFrom(window_.geometry().topLeft());
        else if (type == QEvent::Move)
            wanted_ = window_.geometry().topLeft(); // moved by the player or the program
        return false;
    }

private:
    // The title bar out of reach. The window manager may answer a request the program has
    // already replaced, and put the window back where it was asked to be before its frame was
    // known; a player's drag past the edge stops at it.
    bool pastTopLeft() const
    {
        const QRect frame = frameGeometry(window_), area = availableAreaAt(frame.center(), window_);
        return frame.left() < area.left() || frame.top() < area.top();
    }

    QWidget &window_;
    QMargins margins_;
    QPoint wanted_;
};

} // namespace

void fitOnScreen(QWidget &window)
{
    auto *fit = window.findChild<ScreenFit *>(QString(), Qt::FindDirectChildrenOnly);
    if (!fit)
        fit = new ScreenFit(window);
    fit->fitFrom(window.geometry().topLeft());
}

} // namespace harmtally::toolkit

#include "designed_window.moc"
