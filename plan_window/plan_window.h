#pragma once

// Compare and plan: up to four choices side by side, their damage over the seconds drawn
// against boosted strength with the strengths where one overtakes another, those crossings
// written out, and the best choice at each strength, the path a player follows while training.
// A plain window of its own, built the first time it is asked for; closing it never ends the
// program. Every figure is the main window's own text for that choice and strength.

#include "plan_window/comparison.h"
#include "ranking/planning.h"
#include "texts/language.h"
#include "toolkit/error_box.h"

#include <QLocale>
#include <QWidget>

#include <functional>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace harmtally::toolkit {
class InputsRow;
struct TypedInputs;
} // namespace harmtally::toolkit

namespace harmtally::plan {

class BandsPanel;
class Chart;
class ChoiceChips;
class ChoiceField;

class PlanWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr std::size_t kMaxChoices = 4;

    PlanWindow(Language language, const QLocale &locale, toolkit::MessageSink sink);
    ~PlanWindow() override;

    void setLanguage(Language language);

    // Adds a choice after the others; false when four are compared already or it is one of them.
    bool addPick(const ranking::Pick &pick);
    // Compares these instead (the first four, each once).
    void setPicks(const std::vector<ranking::Pick> &picks);
    const std::vector<ranking::Pick> &picks() const { return picks_; }
    // The catalogue whose best choice at each strength is listed.
    void setCatalogue(Mode mode);
    // Types the strength, seconds and Trueshot level given into their boxes; an empty one
    // leaves its box as it is.
    void takeInputs(const toolkit::TypedInputs &typed);

    // The size its contents need to be seen without scrolling.
    QSize leastSize() const;

    // Where "Save image" writes; an empty name cancels. A save dialog unless replaced.
    void setFileNameAsker(std::function<QString()> ask) { askFileName_ = std::move(ask); }

    // Every control, whichever part holds it, for the tests that drive them.
    struct Controls {
        QLineEdit *name; // a choice to add, completed from the catalogues
        QPushButton *add;
        QLineEdit *strength;
        QLineEdit *seconds;
        QLineEdit *level; // shown while a choice needs it
        QLineEdit *from;  // the chart's range; empty: its default
        QLineEdit *to;
        QPushButton *copy;
        QPushButton *saveImage;
        Chart *chart;
        QLabel *readout; // every value at the cursor
        QLabel *sentences;
        QTableWidget *table;
        QRadioButton *melee; // the best at each strength: which catalogue
        QRadioButton *bows;
        QCheckBox *byMinimum;
        QListWidget *bands;
        QPushButton *takeBand;
        QLabel *status;
    };
    const Controls &controls() const { return c_; }
    const Comparison &comparison() const { return comparison_; }
    const std::vector<ranking::Band> &bands() const;

    // Copies the side-by-side table as tab-separated text (Ctrl+C).
    void copyTable();
    // Writes the chart as a PNG where the asker says; a failure is said in the error box.
    void saveImage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    QLayout *layOut();
    void connectControls();
    void addTyped(const QString &typed);
    void removePick(std::size_t slot);
    void recompute();
    void recomputeBands();
    void showChoices();
    void showTable();
    void arrangeTable();
    void showReadout();
    void showStatus();
    void moveCursor(double strength);
    QString askSaveFileName();

    Language language_;
    QLocale locale_;
    toolkit::MessageSink sink_;
    std::function<QString()> askFileName_;
    std::vector<ranking::Pick> picks_;
    Comparison comparison_;
    Controls c_{};
    ChoiceField *field_ = nullptr;
    ChoiceChips *chips_ = nullptr;
    toolkit::InputsRow *inputs_ = nullptr;
    QLabel *fromLabel_ = nullptr; // the chart's range
    QLabel *toLabel_ = nullptr;
    BandsPanel *bandsPanel_ = nullptr;
    QWidget *content_ = nullptr;  // every control, scrolled when the window is smaller
    QBoxLayout *lower_ = nullptr; // the table and the best at each strength
    QString note_;                // what the last action did, until the next one
};

} // namespace harmtally::plan
