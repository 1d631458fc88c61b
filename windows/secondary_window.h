#pragma once

// What the About, Instructions and language windows share: no owner, one instance at a time,
// destroyed when closed. Whoever opens one makes the main window unavailable; every way of
// closing reports that the main window may be used again.

#include "core/language.h"
#include "toolkit/designed_window.h"
#include "windows/language_texts.h"

#include <optional>

namespace harmtally {

class SecondaryWindow : public toolkit::DesignedWindow {
    Q_OBJECT
public:
    explicit SecondaryWindow(const toolkit::WindowDesign &design);

    // Any way of closing gives the main window back; the close is never refused.
    void Form_QueryUnload();

signals:
    void mainWindowReleased();

protected:
    // The load of an information window: its texts in the language last applied, if any, and
    // the focus on its close button.
    template <class Id, class Controls>
    static void loadInfoWindow(const Controls &controls, std::optional<Language> language, Id close)
    {
        if (language)
            applyTexts<Id>(*language, [&](Id id) { return controls[id]; });
        controls[close]->setFocus();
    }

    // The window's close button: the main window back first, then the close.
    void closeByButton();
    void closeEvent(QCloseEvent *event) override;
};

} // namespace harmtally
