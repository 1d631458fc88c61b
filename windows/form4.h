#pragma once

// The language and mode window: applies the chosen interface language and the chosen kind of
// weapon to the main window at once.

#include "toolkit/builder.h"
#include "windows/language.h"
#include "windows/secondary_window.h"
#include "windows/window_controls.h"

namespace harmtally {

class Form4 : public SecondaryWindow {
public:
    explicit Form4(Form1 &main);

    QWidget *control(Form4Control id) const { return controls_[id]; }

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

private:
    bool selected(Form4Control id) const;
    void setEnabledOf(Form4Control id, bool enabled) const;
    void applyLanguage(Language language);

    toolkit::Controls<Form4Control, 7> controls_;
};

} // namespace harmtally
