#pragma once

// The About window, Form2: the program's name, the credits and a close button.

#include "toolkit/builder.h"
#include "windows/control_names.h"
#include "windows/secondary_window.h"

namespace harmtally {

extern const toolkit::WindowDesign kAboutWindow;
extern const std::array<toolkit::ControlDesign<Form2Control>, 3> kAboutControls;

class AboutWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // language: the one last applied in the language window, if any.
    explicit AboutWindow(std::optional<Language> language);

    QWidget *control(Form2Control id) const { return controls_[id]; }

    void Command1_Click();

private:
    void Form_Load(std::optional<Language> language);

    toolkit::Controls<Form2Control, kAboutControls.size()> controls_;
};

} // namespace harmtally
