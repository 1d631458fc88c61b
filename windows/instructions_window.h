#pragma once

// The Instructions window, Form3: the instructions text and a close button.

#include "toolkit/builder.h"
#include "windows/control_names.h"
#include "windows/secondary_window.h"

namespace harmtally {

extern const toolkit::WindowDesign kInstructionsWindow;
extern const std::array<toolkit::ControlDesign<Form3Control>, 2> kInstructionsControls;

class InstructionsWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // language: the one last applied in the language window, if any.
    explicit InstructionsWindow(std::optional<Language> language);

    QWidget *control(Form3Control id) const { return controls_[id]; }

    void Esci_Click();

private:
    void Form_Load(std::optional<Language> language);

    toolkit::Controls<Form3Control, kInstructionsControls.size()> controls_;
};

} // namespace harmtally
