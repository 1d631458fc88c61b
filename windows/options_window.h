#pragma once

// The language and mode window, Form4: the player picks the interface language and the kind of
// weapon, and "Cambia/Change it" reports both choices, which the main window applies.

#include "core/mode.h"
#include "texts/control_names.h"
#include "texts/language.h"
#include "toolkit/builder.h"
#include "windows/secondary_window.h"

namespace harmtally {

extern const toolkit::WindowDesign kOptionsWindow;
extern const std::array<toolkit::ControlDesign<Form4Control>, 7> kOptionsControls;

class OptionsWindow : public SecondaryWindow {
    Q_OBJECT
public:
    OptionsWindow();

    QWidget *control(Form4Control id) const { return controls_[id]; }

signals:
    // Sent after this window has written its own texts of the language.
    void languageChosen(Language language);
    void modeChosen(Mode mode);

private:
    void change();      // Command1
    void closeWindow(); // Command2

    bool selected(Form4Control id) const;
    void setEnabledOf(Form4Control id, bool enabled) const;
    void applyLanguage(Language language);

    toolkit::Controls<Form4Control, kOptionsControls.size()> controls_;
};

} // namespace harmtally
