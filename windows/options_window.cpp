#include "windows/options_window.h"

#include "toolkit/apply_texts.h"

#include <QPushButton>
#include <QRadioButton>

namespace harmtally {

using namespace toolkit::table_words;
using enum Form4Control;

// clang-format off
const WindowDesign kOptionsWindow{"Form4", "Lingua/Language", 4950, 3570, 3690, 3765, Border::Sizable, false};

const std::array<ControlDesign<Form4Control>, 7> kOptionsControls = std::to_array<ControlDesign<Form4Control>>({
//   id        name        kind          caption             left   top width height tab start     font      colour  parent
    {Option1,  "Option1",  OptionButton, "Inglese/English",   840,  360, 1935,  375, 0, Shown,    Standard, System, Window},
    {Option2,  "Option2",  OptionButton, "Italiano/Italian",  840,  960, 1935,  495, 1, Selected, Standard, System, Window},
    {Command1, "Command1", Button,       "Cambia/Change it",  240, 3240, 1455,  375, 2, Shown,    Standard, System, Window},
    {Command2, "Command2", Button,       "&Chiudi/Close",    2040, 3240, 1455,  375, 3, Shown,    Standard, System, Window},
    {Tipo,     "Tipo",     Frame,        "Tipo",              600, 1560, 2415, 1455, 4, Shown,    Standard, System, Window},
    {armi,     "armi",     OptionButton, "Armi",              240,  360, 2055,  375, 5, Selected, Standard, System, Tipo},
    {archi,    "archi",    OptionButton, "Archi",             240,  840, 2055,  495, 6, Shown,    Standard, System, Tipo},
});
// clang-format on

OptionsWindow::OptionsWindow()
    : SecondaryWindow(kOptionsWindow)
    , controls_(toolkit::build(*this, kOptionsControls))
{
    connect(controls_.as<QPushButton>(Command1), &QPushButton::clicked, this,
            &OptionsWindow::change);
    connect(controls_.as<QPushButton>(Command2), &QPushButton::clicked, this,
            &OptionsWindow::closeWindow);
}

bool OptionsWindow::selected(Form4Control id) const
{
    return controls_.as<QRadioButton>(id)->isChecked();
}

void OptionsWindow::setEnabledOf(Form4Control id, bool enabled) const
{
    controls_[id]->setEnabled(enabled);
}

// Four independent steps, each testing the options afresh.
void OptionsWindow::change()
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
        emit modeChosen(Mode::Melee);
    }
    if (selected(archi) && !selected(armi)) {
        // The main window first, then this window's options: the bow step's order, the reverse
        // of the melee step's. The main window's handler runs before emit returns, while archi
        // is still enabled; nothing there reads this window, so only the order of the writes
        // (and of what a test sees change) depends on it.
        emit modeChosen(Mode::Bow);
        setEnabledOf(archi, false);
        setEnabledOf(armi, true);
    }
}

// Closes first (the close request already gives the main window back), then gives it back once
// more. The window is deleted later, from the event loop, so it may still send.
void OptionsWindow::closeWindow()
{
    close();
    emit mainWindowReleased();
}

// This window's own rows of the text table; the main window writes its rows and records the
// language for the information windows.
void OptionsWindow::applyLanguage(Language language)
{
    applyTexts<Form4Control>(language, [this](Form4Control id) { return controls_[id]; });
    emit languageChosen(language);
}

} // namespace harmtally
