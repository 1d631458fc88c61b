#include "texts/language_texts.h"

#include "texts/info_texts.h"
#include "toolkit/builder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace harmtally {

using enum TextProperty;

// clang-format off
const std::array<TextRow, 23> kTextTable = std::to_array<TextRow>({
    {Form1Control::Label1,    Caption,   "Str",                          "Frz"},
    {Form1Control::Label2,    Caption,   "Weapon req.",                  "Req. Arma"},
    {Form1Control::Label3,    Caption,   "Your(boosted)Strenght",        "Forza (castata)"},
    {Form1Control::Label4,    Caption,   "  MIN damage        (BASE)",   "  Danno MIN          (BASE)"},
    {Form1Control::Label5,    Caption,   "  MAX damage        (BASE)",   "  Danno Max          (BASE)"},
    {Form1Control::Label6,    Caption,   "  MIN damage",                 "  Danno MIN"},
    {Form1Control::Label7,    Caption,   "  MAX damage",                 "Danno MAX"},
    {Form2Control::Command1,  Caption,   "&Close",                       "&Chiudi"},
    {Form1Control::Label12,   Caption,   "MIN damage",                   " Danno MIN"},
    {Form1Control::combo2,    FieldText, "Bows",                         "Archi"},
    {Form1Control::combo3,    FieldText, "Quivers",                      "Frecce"},
    {Form1Control::Label13,   Caption,   "MAX damage",                   "Danno MAX"},
    {Form3Control::Esci,      Caption,   "&Close",                       "&Chiudi"},
    {Form1Control::Label9,    Caption,   "    Seconds",                  "    Secondi"},
    {Form1Control::Combo1,    FieldText, "Weapons",                      "Armi"},
    {Form1Control::Command3,  Caption,   "Calculate",                    "Calcola"},
    {Form1Control::Command6,  Caption,   "Instructions",                 "Istruzioni"},
    {Form1Control::Label8,    Caption,   "Hits per min.",                "N. di colpi in 1 min."},
    {Form3Control::Window,    Title,     "Instructions",                 "Istruzioni"},
    {Form4Control::armi,      Caption,   "Melee weapons",                "Armi"},
    {Form4Control::archi,     Caption,   "Bow",                          "Archi"},
    {Form3Control::Label1,    Caption,   kInstructionsEnglish,           kInstructionsItalian},
    {Form2Control::Label1,    Caption,   kAboutEnglish,                  kAboutItalian},
});
// clang-format on

QString textOf(const TextRow &row, Language language)
{
    return QString::fromUtf8(language == Language::English ? row.english : row.italian);
}

void writeText(QWidget &widget, TextProperty property, const QString &text)
{
    if (property == Title)
        widget.setWindowTitle(text);
    else if (auto *combo = qobject_cast<QComboBox *>(&widget); combo && property == FieldText)
        toolkit::setFieldText(*combo, text);
    else if (auto *label = qobject_cast<QLabel *>(&widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        button->setText(text);
}

} // namespace harmtally
