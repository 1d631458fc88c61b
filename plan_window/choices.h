#pragma once

// The compare and plan window's choices: the field where one is named (completed from every
// weapon and every bow/arrows pair) with its button, and the chips of those compared, each in
// the colour and shape of its lines with the button that removes it.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace harmtally::plan {

class ChoiceField : public QWidget {
    Q_OBJECT
public:
    explicit ChoiceField(QWidget *parent = nullptr);

    void setCaptions(const QString &label, const QString &hint, const QString &add);

    QLineEdit *name() const { return name_; }
    QPushButton *add() const { return add_; }

signals:
    // Enter in the field or the button, with what is typed there.
    void addAsked(const QString &typed);

private:
    QLabel *label_;
    QLineEdit *name_;
    QPushButton *add_;
};

class ChoiceChips : public QWidget {
    Q_OBJECT
public:
    explicit ChoiceChips(QWidget *parent = nullptr);

    // One chip per name, in slot order; remove: the remove button's name, %1 the choice's.
    void setChoices(const QStringList &names, const QString &remove);
    // The remove buttons, in slot order.
    const std::vector<QToolButton *> &removeButtons() const { return removes_; }

signals:
    void removeAsked(std::size_t slot);

private:
    std::vector<QToolButton *> removes_;
};

} // namespace harmtally::plan
