#include "windows/form2.h"

#include "main_window/form1.h"
#include "windows/info_texts.h"
#include "windows/language_texts.h"

#include <QPushButton>

namespace harmtally {
namespace {

using namespace toolkit;
using enum Form2Control;
using enum Kind;
using enum Start;
using enum Font;
using enum Colour;

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
    , controls_(build(*this, kControls, LabelLook::Opaque))
{
    connect(controls_.as<QPushButton>(Command1), &QPushButton::clicked, this,
            &Form2::Command1_Click);
    Form_Load();
}

void Form2::Form_Load()
{
    if (const auto language = main_.appliedLanguage())
        applyTexts<Form2Control>(*language, [this](Form2Control id) { return control(id); });
    controls_[Command1]->setFocus();
    main_.setAvailable(false);
}

void Form2::Command1_Click() { closeByButton(); }

} // namespace harmtally
