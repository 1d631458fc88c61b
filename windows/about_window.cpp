#include "windows/about_window.h"

#include "texts/info_texts.h"

namespace harmtally {

using namespace toolkit::table_words;
using enum Form2Control;

// clang-format off
const WindowDesign kAboutWindow{"Form2", "About....", 4950, 2880, 4035, 3900, Border::Sizable, false};

const std::array<ControlDesign<Form2Control>, 3> kAboutControls = std::to_array<ControlDesign<Form2Control>>({
//   id        name        kind    caption            left   top width height tab start  font      colour  parent
    {Label2,   "Label2",   Label,  "Harmtally 2.0.2",  240,  240, 3495,  375, 0, Shown, Heading,  System, Window},
    {Label1,   "Label1",   Label,  kAboutItalian,      240,  720, 3495, 2415, 1, Shown, Standard, System, Window},
    {Command1, "Command1", Button, "&Chiudi",         3000, 3360,  855,  375, 2, Shown, Standard, System, Window},
});
// clang-format on

AboutWindow::AboutWindow(std::optional<Language> language)
    : InfoWindow(kAboutWindow, kAboutControls, Command1, language)
{
    connect(button(Command1), &QPushButton::clicked, this, &AboutWindow::closeByButton);
}

} // namespace harmtally
