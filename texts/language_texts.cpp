#include "texts/language_texts.h"

#include "texts/info_texts.h"

namespace harmtally {

using enum TextProperty;

namespace {

// Written alike on more than one window.
constexpr Bilingual kClose{.italian = "&Chiudi", .english = "&Close"};
constexpr Bilingual kInstructions{.italian = "Istruzioni", .english = "Instructions"};

} // namespace

// clang-format off
const std::array<TextRow, 23> kTextTable = std::to_array<TextRow>({
    {Form1Control::Label1,    Caption,   {.italian = "Frz",                         .english = "Str"}},
    {Form1Control::Label2,    Caption,   {.italian = "Req. Arma",                   .english = "Weapon req."}},
    {Form1Control::Label3,    Caption,   {.italian = "Forza (castata)",             .english = "Your(boosted)Strenght"}},
    {Form1Control::Label4,    Caption,   {.italian = "  Danno MIN          (BASE)", .english = "  MIN damage        (BASE)"}},
    {Form1Control::Label5,    Caption,   {.italian = "  Danno Max          (BASE)", .english = "  MAX damage        (BASE)"}},
    {Form1Control::Label6,    Caption,   {.italian = "  Danno MIN",                 .english = "  MIN damage"}},
    {Form1Control::Label7,    Caption,   {.italian = "Danno MAX",                   .english = "  MAX damage"}},
    {Form2Control::Command1,  Caption,   kClose},
    {Form1Control::Label12,   Caption,   {.italian = " Danno MIN",                  .english = "MIN damage"}},
    {Form1Control::combo2,    FieldText, {.italian = "Archi",                       .english = "Bows"}},
    {Form1Control::combo3,    FieldText, {.italian = "Frecce",                      .english = "Quivers"}},
    {Form1Control::Label13,   Caption,   {.italian = "Danno MAX",                   .english = "MAX damage"}},
    {Form3Control::Esci,      Caption,   kClose},
    {Form1Control::Label9,    Caption,   {.italian = "    Secondi",                 .english = "    Seconds"}},
    {Form1Control::Combo1,    FieldText, {.italian = "Armi",                        .english = "Weapons"}},
    {Form1Control::Command3,  Caption,   {.italian = "Calcola",                     .english = "Calculate"}},
    {Form1Control::Command6,  Caption,   kInstructions},
    {Form1Control::Label8,    Caption,   {.italian = "N. di colpi in 1 min.",       .english = "Hits per min."}},
    {Form3Control::Window,    Title,     kInstructions},
    {Form4Control::armi,      Caption,   {.italian = "Armi",                        .english = "Melee weapons"}},
    {Form4Control::archi,     Caption,   {.italian = "Archi",                       .english = "Bow"}},
    {Form3Control::Label1,    Caption,   {.italian = kInstructionsItalian,          .english = kInstructionsEnglish}},
    {Form2Control::Label1,    Caption,   {.italian = kAboutItalian,                 .english = kAboutEnglish}},
});
// clang-format on

} // namespace harmtally
