#include "toolkit/apply_texts.h"

#include "toolkit/builder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace harmtally {

using enum TextProperty;

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
