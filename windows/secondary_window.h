#pragma once

// What the About, Instructions and language windows share: no owner, one instance at a time,
// destroyed when closed, and the main window unavailable while they are open.

#include "toolkit/designed_window.h"

namespace harmtally {

class Form1;

class SecondaryWindow : public toolkit::DesignedWindow {
public:
    SecondaryWindow(Form1 &main, const toolkit::WindowDesign &design);

    // Any way of closing gives the main window back; the close is never refused.
    void Form_QueryUnload();

protected:
    // The window's close button: the main window back first, then the close.
    void closeByButton();
    void closeEvent(QCloseEvent *event) override;

    Form1 &main_;
};

} // namespace harmtally
