#pragma once

// The About window, Form2: the program's name, the credits and a close button.

#include "texts/control_names.h"
#include "windows/info_window.h"

namespace harmtally {

extern const toolkit::WindowDesign kAboutWindow;
extern const std::array<toolkit::ControlDesign<Form2Control>, 3> kAboutControls;

class AboutWindow : public InfoWindow<Form2Control, kAboutControls.size()> {
    Q_OBJECT
public:
    // language: the one last applied in the language window, if any.
    explicit AboutWindow(std::optional<Language> language);
};

} // namespace harmtally
