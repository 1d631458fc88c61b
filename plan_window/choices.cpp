#include "plan_window/choices.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "plan_window/slot_marks.h"
#include "ranking/planning.h"
#include "toolkit/inputs_row.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace harmtally::plan {

namespace {

// Every name the field takes: each weapon, and each bow with each arrow kind as BOW/ARROWS.
QStringList everyName()
{
    QStringList names;
    for (std::size_t i = 0; i < meleeWeapons().size(); ++i)
        names << pickName(ranking::pickAt(Mode::Melee, i));
    for (std::size_t i = 0; i < bows().size() * arrowKinds().size(); ++i)
        names << pickName(ranking::pickAt(Mode::Bow, i));
    names.removeDuplicates();
    return names;
}

} // namespace

ChoiceField::ChoiceField(QWidget *parent)
    : QWidget(parent)
    , label_(new QLabel)
    , name_(new QLineEdit)
    , add_(new QPushButton)
{
    name_->setClearButtonEnabled(true);
    auto *completer = new QCompleter(everyName(), this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    name_->setCompleter(completer);
    label_->setBuddy(name_);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label_);
    row->addWidget(name_, 1);
    row->addWidget(add_);
    connect(name_, &QLineEdit::returnPressed, this, [this] { emit addAsked(name_->text()); });
    connect(add_, &QPushButton::clicked, this, [this] { emit addAsked(name_->text()); });
}

void ChoiceField::setCaptions(const QString &label, const QString &hint, const QString &add)
{
    label_->setText(label);
    name_->setAccessibleName(toolkit::spoken(label));
    name_->setPlaceholderText(hint);
    add_->setText(add);
}

ChoiceChips::ChoiceChips(QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    hide(); // no room taken while nothing is compared
}

void ChoiceChips::setChoices(const QStringList &names, const QString &remove)
{
    while (QLayoutItem *item = layout()->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    removes_.clear();
    auto *row = static_cast<QHBoxLayout *>(layout());
    for (std::size_t slot = 0; slot < std::size_t(names.size()); ++slot) {
        const QString &name = names[qsizetype(slot)];
        auto *chip = new QWidget;
        auto *chipRow = new QHBoxLayout(chip);
        chipRow->setContentsMargins(0, 0, 6, 0);
        chipRow->setSpacing(3);
        auto *marker = new QLabel;
        marker->setPixmap(markerPixmap(slot, palette().color(QPalette::Base)));
        // Four of the longest bow and arrow names side by side would widen the window past
        // most screens: each is cut short, whole in its tooltip.
        auto *label = new QLabel;
        label->setText(label->fontMetrics().elidedText(name, Qt::ElideMiddle, 260));
        label->setToolTip(name);
        auto *button = new QToolButton;
        button->setText(QStringLiteral("✕"));
        button->setAutoRaise(true);
        button->setAccessibleName(QString(remove).arg(name));
        button->setToolTip(button->accessibleName());
        button->setObjectName(QStringLiteral("remove%1").arg(slot));
        chipRow->addWidget(marker);
        chipRow->addWidget(label);
        chipRow->addWidget(button);
        row->addWidget(chip);
        connect(button, &QToolButton::clicked, this, [this, slot] { emit removeAsked(slot); });
        removes_.push_back(button);
    }
    row->addStretch();
    setVisible(!names.isEmpty());
}

} // namespace harmtally::plan
