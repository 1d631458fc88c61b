#include "toolkit/inputs_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace harmtally::toolkit {

QString spoken(const QString &caption) { return QString(caption).remove(u'&').remove(u':'); }

InputsRow::InputsRow(int boxWidth, QWidget *parent)
    : QWidget(parent)
{
    // Never wider than its boxes need, so the row's other items keep their places.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        labels_[i] = new QLabel;
        boxes_[i] = new QLineEdit;
        boxes_[i]->setMaximumWidth(boxWidth);
        labels_[i]->setBuddy(boxes_[i]);
        row->addWidget(labels_[i]);
        row->addWidget(boxes_[i]);
        connect(boxes_[i], &QLineEdit::textChanged, this, &InputsRow::changed);
    }
}

TypedInputs InputsRow::values() const
{
    return {strength()->text(), seconds()->text(), level()->text()};
}

void InputsRow::take(const TypedInputs &typed)
{
    const std::array texts{typed.strength, typed.seconds, typed.level};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (!texts[i].isEmpty())
            boxes_[i]->setText(texts[i]);
}

void InputsRow::setCaptions(const std::array<QString, 3> &captions)
{
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        labels_[i]->setText(captions[i]);
        boxes_[i]->setAccessibleName(spoken(captions[i]));
    }
}

void InputsRow::setLevelShown(bool shown)
{
    labels_[2]->setVisible(shown);
    level()->setVisible(shown);
}

} // namespace harmtally::toolkit
