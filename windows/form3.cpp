#include "windows/form3.h"

#include "windows/info_texts.h"

#include <QPushButton>

namespace harmtally {
namespace {

using namespace toolkit::table_words;
using enum Form3Control;

// clang-format off
const WindowDesign kWindow{"Form3", "Istruzioni", 4500, 3120, 4680, 3090, Border::Sizable, false};

const std::array<ControlDesign<Form3Control>, 2> kControls{{
//   id      name      kind    caption                 left   top width height tab start  font      colour  parent
    {Label1, "Label1", Label,  kInstructionsDesigned,   240,  240, 4215, 2055, 0, Shown, Standard, System, Window},
    {Esci,   "Esci",   Button, "&Chiudi",              3360, 2640, 1095,  375, 1, Shown, Standard, System, Window},
}};
// clang-format on

} // namespace

Form3::Form3(Form1 &main)
    : SecondaryWindow(main, kWindow)
    , controls_(toolkit::build(*this, kControls, toolkit::LabelLook::Opaque))
{
    connect(controls_.as<QPushButton>(Esci), &QPushButton::clicked, this, &Form3::Esci_Click);
    Form_Load();
}

void Form3::Form_Load() { loadInfoWindow(controls_, Esci); }

void Form3::Esci_Click() { closeByButton(); }

} // namespace harmtally
