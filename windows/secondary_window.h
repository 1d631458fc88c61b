#pragma once

// What the About, Instructions and language windows share: no owner, one instance at a time,
// destroyed when closed. Whoever opens one makes the main window unavailable; every way of
// closing reports that the main window may be used again.

#include "toolkit/designed_window.h"

namespace harmtally {

class SecondaryWindow : public toolkit::DesignedWindow {
    Q_OBJECT
public:
    explicit SecondaryWindow(const toolkit::WindowDesign &design);

signals:
    void mainWindowReleased();

protected:
    // The window's close button: the main window back first, then the close.
    void closeByButton();
    // Any way of closing gives the main window back; the close is never refused.
    void closeEvent(QCloseEvent *event) override;
};

} // namespace harmtally
