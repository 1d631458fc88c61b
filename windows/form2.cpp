#include "windows/form2.h"

#include "windows/info_texts.h"

#include <QPushButton>

namespace harmtally {
namespace {

using namespace toolkit::table_words;
using enum Form2Control;

// clang-format off
const WindowDesign kWindow{"Form2", "About....", 4950, 2880, 4035, 3900, Border::Sizable, false};

const std::array<ControlDesign<Form2Control>, 3> kControls{{
//   id        name        kind    caption            left   top width height tab start  font      colour  parent
    {Label2,   "Label2",   Label,  "Harmtally 2.0.2",  240,  240, 3495,  375, 0, Shown, Heading,  System, Window},
    {Label1,   "Label1",   Label,  kAboutItalian,      240,  720, 3495, 2415, 1, Shown, Standard, System, Window},
    {Command1, "Command1", Button, "&Chiudi",         3000, 3360,  855,  375, 2, Shown, Standard, System, Window},
}};
// clang-format on

} // namespace

Form2::Form2(Form1 &main)
    : SecondaryWindow(main, kWindow)
    , controls_(toolkit::build(*this, kControls, toolkit::LabelLook::Opaque))
{
    connect(controls_.as<QPushButton>(Command1), &QPushButton::clicked, this,
            &Form2::Command1_Click);
    Form_Load();
}

void Form2::Form_Load() { loadInfoWindow(controls_, Command1); }

void Form2::Command1_Click() { closeByButton(); }

} // namespace harmtally
