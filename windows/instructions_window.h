#pragma once

// The Instructions window, Form3: the instructions text and a close button.

#include "texts/control_names.h"
#include "windows/info_window.h"

namespace harmtally {

extern const toolkit::WindowDesign kInstructionsWindow;
extern const std::array<toolkit::ControlDesign<Form3Control>, 2> kInstructionsControls;

class InstructionsWindow : public InfoWindow<Form3Control, kInstructionsControls.size()> {
    Q_OBJECT
public:
    // language: the one last applied in the language window, if any.
    explicit InstructionsWindow(std::optional<Language> language);
};

} // namespace harmtally
