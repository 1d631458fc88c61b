// Where the ranking window opens: beside the main window, never over it while the screen has
// room, and placed again once the window manager has framed it.

#include "ranking_window/ranking_window.h"

#include "toolkit/designed_window.h"

#include <QEvent>

#include <algorithm>
#include <utility>

namespace harmtally::ranking {

QRect besideWindow(const QRect &other, QSize wanted, QSize least, const QRect &available)
{
    wanted = wanted.boundedTo(available.size());
    least = least.boundedTo(wanted);
    const auto within = [](int start, int length, int low, int high) {
        return std::clamp(start, low, high + 1 - length);
    };
    const int top = within(other.top(), wanted.height(), available.top(), available.bottom());
    const int left = within(other.left(), wanted.width(), available.left(), available.right());
    const int right = available.right() - other.right(), leftRoom = other.left() - available.left();
    if (right >= least.width())
        return {other.right() + 1, top, std::min(wanted.width(), right), wanted.height()};
    if (leftRoom >= least.width()) {
        const int width = std::min(wanted.width(), leftRoom);
        return {other.left() - width, top, width, wanted.height()};
    }
    if (const int room = available.bottom() - other.bottom(); room >= least.height())
        return {left, other.bottom() + 1, wanted.width(), std::min(wanted.height(), room)};
    // Over it, then, against the screen's edge on its roomier side, covering as little as can be.
    return {right >= leftRoom ? available.right() + 1 - wanted.width() : available.left(), top,
            wanted.width(), wanted.height()};
}

void RankingWindow::placeBeside(const QWidget &other)
{
    const QRect otherFrame = toolkit::frameGeometry(other);
    const QRect available = toolkit::availableAreaAt(otherFrame.center(), *this);
    // Until the window manager has framed this window, its frame is taken to be the other's.
    const bool framed = !toolkit::frameMargins(*this).isNull();
    const QMargins frame = toolkit::frameMargins(framed ? *this : other);
    besideOf_ = framed ? nullptr : &other;
    const QSize edges(frame.left() + frame.right(), frame.top() + frame.bottom());
    // A table of a few rows answers nothing: below it only with two thirds of the height.
    const QSize wanted = QSize(std::max(width(), wantedWidth_), height()) + edges;
    const QSize least = minimumSizeHint().expandedTo({0, wanted.height() * 2 / 3}) + edges;
    setGeometry(besideWindow(otherFrame, wanted, least, available).marginsRemoved(frame));
}

// The window manager frames a window after it is shown, without a move, and the other window
// may be framed only then too: once this one is framed and active, it is placed again.
bool RankingWindow::event(QEvent *event)
{
    const bool done = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && besideOf_
        && !toolkit::frameMargins(*this).isNull())
        placeBeside(*std::exchange(besideOf_, nullptr));
    return done;
}

} // namespace harmtally::ranking
