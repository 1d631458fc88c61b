#pragma once

// What the About, Instructions and language windows share: no owner, one instance at a time,
// destroyed when closed, and the main window unavailable while they are open.

#include "main_window/form1.h"
#include "toolkit/designed_window.h"
#include "windows/language_texts.h"

namespace harmtally {

class SecondaryWindow : public toolkit::DesignedWindow {
public:
    SecondaryWindow(Form1 &main, const toolkit::WindowDesign &design);

    // Any way of closing gives the main window back; the close is never refused.
    void Form_QueryUnload();

protected:
    // The load of an information window: its texts in the language last applied, if any, the
    // focus on its close button, and the main window unavailable.
    template <class Id, class Controls> void loadInfoWindow(const Controls &controls, Id close)
    {
        if (const auto language = main_.appliedLanguage())
            applyTexts<Id>(*language, [&](Id id) { return controls[id]; });
        controls[close]->setFocus();
        main_.setAvailable(false);
    }

    // The window's close button: the main window back first, then the close.
    void closeByButton();
    void closeEvent(QCloseEvent *event) override;

    Form1 &main_;
};

} // namespace harmtally
