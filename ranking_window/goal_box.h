#pragma once

// The goal box beside the ranking's filters: which goal (none, every hit at least, over the
// seconds at least, a foe's health) and its value, typed; the value's box is enabled with a goal.

#include "ranking/goals.h"

#include <QString>
#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace harmtally::ranking {

class GoalBox : public QWidget {
    Q_OBJECT
public:
    explicit GoalBox(QWidget *parent = nullptr);

    GoalKind kind() const;
    QString value() const; // as typed

    // The goals' names in GoalKind order, and the accessible names of the choice and the value.
    void setCaptions(const std::array<QString, 4> &goals, const QString &goalName,
                     const QString &valueName);

    QComboBox *goals() const { return goals_; }
    QLineEdit *valueBox() const { return value_; }

signals:
    // The goal or its value changed.
    void changed();

private:
    QComboBox *goals_;
    QLineEdit *value_;
};

} // namespace harmtally::ranking
