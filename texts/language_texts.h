#pragma once

// The bilingual text table: what the language step writes into the main window, the language
// window itself and (at their next opening) the information windows. Each window writes the rows
// aimed at it, in table order.

#include "core/language.h"
#include "texts/control_names.h"

#include <QString>

#include <array>
#include <variant>

class QWidget;

namespace harmtally {

enum class TextProperty { Caption, FieldText, Title };

struct TextRow {
    std::variant<Form1Control, Form2Control, Form3Control, Form4Control> target;
    TextProperty property;
    Bilingual text;
};

extern const std::array<TextRow, 23> kTextTable;

// Writes a caption, a pick-list's field text or a window title.
void writeText(QWidget &widget, TextProperty property, const QString &text);

// Writes, in table order, the rows aimed at the window whose controls are Id.
template <class Id, class WidgetOf> void applyTexts(Language language, WidgetOf widgetOf)
{
    for (const TextRow &row : kTextTable)
        if (const Id *id = std::get_if<Id>(&row.target))
            writeText(*widgetOf(*id), row.property, row.text.in(language));
}

} // namespace harmtally
