#pragma once

// The bilingual text table: what the language step writes into the main window, the language
// window itself and (at their next opening) the information windows.

#include "texts/control_names.h"
#include "texts/language.h"

#include <array>
#include <variant>

namespace harmtally {

enum class TextProperty { Caption, FieldText, Title };

struct TextRow {
    std::variant<Form1Control, Form2Control, Form3Control, Form4Control> target;
    TextProperty property;
    Bilingual text;
};

extern const std::array<TextRow, 23> kTextTable;

} // namespace harmtally
