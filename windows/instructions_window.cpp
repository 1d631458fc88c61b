#include "windows/instructions_window.h"

#include "texts/info_texts.h"

namespace harmtally {

using namespace toolkit::table_words;
using enum Form3Control;

// clang-format off
const WindowDesign kInstructionsWindow{"Form3", "Istruzioni", 4500, 3120, 4680, 3090, Border::Sizable, false};

const std::array<ControlDesign<Form3Control>, 2> kInstructionsControls = std::to_array<ControlDesign<Form3Control>>({
//   id      name      kind    caption                 left   top width height tab start  font      colour  parent
    {Label1, "Label1", Label,  kInstructionsDesigned,   240,  240, 4215, 2055, 0, Shown, Standard, System, Window},
    {Esci,   "Esci",   Button, "&Chiudi",              3360, 2640, 1095,  375, 1, Shown, Standard, System, Window},
});
// clang-format on

InstructionsWindow::InstructionsWindow(std::optional<Language> language)
    : InfoWindow(kInstructionsWindow, kInstructionsControls, Esci, language)
{
    connect(button(Esci), &QPushButton::clicked, this, &InstructionsWindow::closeByButton);
}

} // namespace harmtally
