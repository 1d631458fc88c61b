#pragma once

// A top-level window placed, sized and bordered as its design says, with the program's icon and,
// where designed, the background picture at its natural size from the top-left corner.

#include "toolkit/design.h"

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace harmtally::toolkit {

// The one icon of every window of the program, at 16, 32 and 48 pixels.
QIcon programIcon();

// Keeps a top-level window whole on its screen's available area, frame and title bar included:
// moves it just enough, towards the top left and never past it (a window that fits stays where
// it is), and shrinks it to the area if it may be resized. Fits it now, when it is shown or
// resized, and again once the window manager's frame is known.
void fitOnScreen(QWidget &window);

// Where a window's client area goes to keep its frame whole on the available area `area`: moved
// just enough, towards the top left and never past it (a window that fits stays where it is), and
// made no larger than the area less the frame, unless its least size asks for more (a fixed
// window's least size is its own). `frame` is taken as the window system reports it.
QRect fittedClient(const QRect &client, const QMargins &frame, const QRect &area, QSize least);

// A frame as the window system reports it, or none while it is half made: a side below zero is a
// frame caught before the window manager named its extents.
QMargins knownFrame(const QMargins &reported);

// A top-level window's frame width on each side, as far as the window system has told (none
// until the window manager has framed it), and the frame itself on the screen.
QMargins frameMargins(const QWidget &window);
QRect frameGeometry(const QWidget &window);

// The available area of the screen at `point`, or of the window's own screen when none is there.
QRect availableAreaAt(QPoint point, const QWidget &window);

class DesignedWindow : public QWidget {
public:
    explicit DesignedWindow(const WindowDesign &design);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};

} // namespace harmtally::toolkit
