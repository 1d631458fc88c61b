#pragma once

// Writing the bilingual text table into a window: each window writes the rows aimed at it, in
// table order.

#include "texts/language_texts.h"

#include <QString>

class QWidget;

namespace harmtally {

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
