#include "windows/form4.h"

#include "main_window/form1.h"
#include "windows/language_texts.h"
#include "windows/mode.h"

#include <QPushButton>
#include <QRadioButton>

namespace harmtally {
namespace {

using namespace toolkit::table_words;
using enum Form4Control;

// clang-format off
const WindowDesign kWindow{"Form4", "Lingua/Language", 4950, 3570, 3690, 3765, Border::Sizable, false};

const std::array<ControlDesign<Form4Control>, 7> kControls{{
//   id        name        kind          caption             left   top width height tab start     font      colour  parent
    {Option1,  "Option1",  OptionButton, "Inglese/English",   840,  360, 1935,  375, 0, Shown,    Standard, System, Window},
    {Option2,  "Option2",  OptionButton, "Italiano/Italian",  840,  960, 1935,  495, 1, Selected, Standard, System, Window},
    {Command1, "Command1", Button,       "Cambia/Change it",  240, 3240, 1455,  375, 2, Shown,    Standard, System, Window},
    {Command2, "Command2", Button,       "&Chiudi/Close",    2040, 3240, 1455,  375, 3, Shown,    Standard, System, Window},
    {Tipo,     "Tipo",     Frame,        "Tipo",              600, 1560, 2415, 1455, 4, Shown,    Standard, System, Window},
    {armi,     "armi",     OptionButton, "Armi",              240,  360, 2055,  375, 5, Selected, Standard, System, Tipo},
    {archi,    "archi",    OptionButton, "Archi",             240,  840, 2055,  495, 6, Shown,    Standard, System, Tipo},
}};
// clang-format on

} // namespace

Form4::Form4(Form1 &main)
    : SecondaryWindow(main, kWindow)
    , controls_(toolkit::build(*this, kControls))
{
    connect(controls_.as<QPushButton>(Command1), &QPushButton::clicked, this,
            &Form4::Command1_Click);
    connect(controls_.as<QPushButton>(Command2), &QPushButton::clicked, this,
            &Form4::Command2_Click);
    Form_Load();
}

bool Form4::selected(Form4Control id) const { return controls_.as<QRadioButton>(id)->isChecked(); }

void Form4::setEnabledOf(Form4Control id, bool enabled) const
{
    controls_[id]->setEnabled(enabled);
}

void Form4::Form_Load() { main_.setAvailable(false); }

// Four independent steps, each testing the options afresh.
void Form4::Command1_Click()
{
    if (selected(Option1)) {
        setEnabledOf(Option1, false);
        setEnabledOf(Option2, true);
        applyLanguage(Language::English);
    }
    if (selected(Option2)) {
        setEnabledOf(Option1, true);
        setEnabledOf(Option2, false);
        applyLanguage(Language::Italian);
    }
    if (selected(armi) && !selected(archi)) {
        setEnabledOf(armi, false);
        setEnabledOf(archi, true);
        applyMode(main_, Mode::Melee);
    }
    if (selected(archi) && !selected(armi)) {
        applyMode(main_, Mode::Bow);
        setEnabledOf(archi, false);
        setEnabledOf(armi, true);
    }
}

// Closes first (the close request already gives the main window back), then gives it back once
// more. The window is deleted later, from the event loop, so main_ is still ours to use.
void Form4::Command2_Click()
{
    close();
    main_.setAvailable(true);
}

// The rows of the information windows take effect through the language recorded on the main
// window, which those windows read when they are next built.
void Form4::applyLanguage(Language language)
{
    for (const TextRow &row : kTextTable) {
        QWidget *target = nullptr;
        if (const auto *id = std::get_if<Form1Control>(&row.target))
            target = main_.control(*id);
        else if (const auto *id = std::get_if<Form4Control>(&row.target))
            target = control(*id);
        if (target)
            writeText(*target, row.property, textOf(row, language));
    }
    main_.setAppliedLanguage(language);
}

} // namespace harmtally
