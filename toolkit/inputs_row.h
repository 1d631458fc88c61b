#pragma once

// The row where the player types boosted strength, seconds and Trueshot level, each box with its
// label (its buddy) and the label's words as its accessible name; the ranking window and the
// compare and plan window both start from it. It holds texts as typed: the window that owns it
// reads them in its locale.

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace harmtally::toolkit {

struct TypedInputs {
    QString strength;
    QString seconds;
    QString level; // the Trueshot Quiver's level
};

// A label's words without the mnemonic and the colon, for screen readers.
QString spoken(const QString &caption);

class InputsRow : public QWidget {
    Q_OBJECT
public:
    // boxWidth: the widest a box grows, in pixels.
    explicit InputsRow(int boxWidth, QWidget *parent = nullptr);

    TypedInputs values() const;
    // Types what is given; an empty text leaves its box as it is.
    void take(const TypedInputs &typed);
    // The labels' captions, strength, seconds and level, with their mnemonics.
    void setCaptions(const std::array<QString, 3> &captions);
    void setLevelShown(bool shown);

    QLineEdit *strength() const { return boxes_[0]; }
    QLineEdit *seconds() const { return boxes_[1]; }
    QLineEdit *level() const { return boxes_[2]; }
    const std::array<QLineEdit *, 3> &boxes() const { return boxes_; }

signals:
    // Any box's text changed, typed or taken.
    void changed();

private:
    std::array<QLabel *, 3> labels_{};
    std::array<QLineEdit *, 3> boxes_{};
};

} // namespace harmtally::toolkit
