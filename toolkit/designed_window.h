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

// Moves a top-level window, frame included, just enough to be whole on its screen's available
// area, towards the top left and never past it; a window that fits stays where it is.
void fitOnScreen(QWidget &window);

class DesignedWindow : public QWidget {
public:
    explicit DesignedWindow(const WindowDesign &design);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The frame is known only once the window is shown: fit it again then.
    void showEvent(QShowEvent *event) override;

private:
    QImage picture_;
};

} // namespace harmtally::toolkit
