#include "ranking_window/goal_box.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace harmtally::ranking {

GoalBox::GoalBox(QWidget *parent)
    : QWidget(parent)
    , goals_(new QComboBox)
    , value_(new QLineEdit)
{
    // Never wider than the choice and the box need: the search field takes what is left.
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    goals_->addItems(QStringList(4, QString()));
    value_->setMaximumWidth(90);
    value_->setEnabled(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(goals_);
    row->addWidget(value_);
    connect(goals_, &QComboBox::currentIndexChanged, this, [this] {
        value_->setEnabled(kind() != GoalKind::None);
        emit changed();
    });
    connect(value_, &QLineEdit::textChanged, this, &GoalBox::changed);
}

GoalKind GoalBox::kind() const { return GoalKind(goals_->currentIndex()); }

QString GoalBox::value() const { return value_->text(); }

void GoalBox::setCaptions(const std::array<QString, 4> &goals, const QString &goalName,
                          const QString &valueName)
{
    for (std::size_t i = 0; i < goals.size(); ++i)
        goals_->setItemText(int(i), goals[i]);
    goals_->setAccessibleName(goalName);
    value_->setAccessibleName(valueName);
}

} // namespace harmtally::ranking
