#pragma once

// Which weapon, or which bow with which arrows, is best for my strength: every one ranked for
// the strength, seconds and Trueshot level typed, following each keystroke. A plain window of
// its own, created the first time it is asked for; closing it never ends the program.

#include "core/mode.h"
#include "ranking/planning.h"
#include "ranking/ranking.h"
#include "ranking_window/placement.h"
#include "texts/language.h"
#include "toolkit/error_box.h"

#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace harmtally::toolkit {
class InputsRow;
} // namespace harmtally::toolkit

namespace harmtally::ranking {

class GoalBox;
class RankingProxyModel;
class RankingTableModel;

// How "Export CSV" writes the table: for a spreadsheet in the player's locale (the table's
// captions and figures, ';' between fields where the decimal mark is a comma), or for programs,
// as `harmtally rank --format csv` writes it.
enum class CsvFormat { Spreadsheet, Program };

// Where and how to export; an empty name cancels.
struct ExportTarget {
    QString fileName;
    CsvFormat format = CsvFormat::Spreadsheet;
};

// A row the player acts on: what the main window's pick-lists should show.
struct Choice {
    Mode mode;
    QString name;
    QString arrowKind; // empty for melee weapons
};

class RankingWindow : public QWidget {
    Q_OBJECT
public:
    // Returns an empty text when the choice was taken, or the reason it was not.
    using Offer = std::function<QString(const Choice &)>;
    // The rows to compare (Ctrl+G, the right-click "Compare"), with the figures they are ranked
    // for: an empty text when they went to the compare and plan window, or the reason they did
    // not.
    using Compare = std::function<QString(const std::vector<Pick> &, const Inputs &)>;

    // language: the one last applied in the language window; locale: the one figures are read
    // and written in; sink: where a failed export is reported.
    RankingWindow(Language language, const QLocale &locale, toolkit::MessageSink sink, Offer offer);
    ~RankingWindow() override;

    void setLanguage(Language language);
    // What the player already typed in the main window: its mode, and its strength and seconds
    // where filled. The focus goes where the player continues: the strength when it is empty,
    // else the best row.
    void startFrom(Mode mode, const QString &strength, const QString &seconds);
    // Sizes and moves the window, frame included, beside the other window's frame on the screen
    // that shows it.
    void placeBeside(const QWidget &other);

    // Where and how "Export CSV" writes. A save dialog unless replaced.
    void setFileNameAsker(std::function<ExportTarget()> ask) { askFileName_ = std::move(ask); }
    void setCompare(Compare compare) { compare_ = std::move(compare); }

    // Every control, whichever part holds it, for the tests that drive them.
    struct Controls {
        QRadioButton *melee;
        QRadioButton *bows;
        QLineEdit *strength;
        QLineEdit *seconds;
        QLineEdit *level;
        QLineEdit *search;
        QCheckBox *wieldable;
        QComboBox *goal; // none, every hit at least, over the seconds at least, a foe's health
        QLineEdit *goalValue;
        QPushButton *exportCsv;
        QTableView *table;
        QLabel *status;
    };
    const Controls &controls() const { return c_; }
    const RankingProxyModel &model() const { return *proxy_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    // The mode shown and the figures typed, as the ranking takes them.
    Mode mode() const;
    Inputs inputs() const;
    void recompute();
    void recomputeGoal();
    void fitColumns();
    void refilter();
    void showStatus();
    void setNote(const QString &note);
    void selectCurrentRow();
    void offerCurrent();
    void copyRows(bool selectedOnly);
    void compareSelection();
    void exportCsv();
    void escape();
    ExportTarget askExportTarget();

    Language language_;
    QLocale locale_;
    toolkit::MessageSink sink_;
    Offer offer_;
    std::function<ExportTarget()> askFileName_;
    Compare compare_;
    QAction *compareAction_ = nullptr;
    Controls c_{};
    toolkit::InputsRow *inputs_ = nullptr;
    GoalBox *goalBox_ = nullptr;
    QLabel *searchLabel_ = nullptr;
    RankingTableModel *source_ = nullptr;
    RankingProxyModel *proxy_ = nullptr;
    std::optional<Mode> fittedFor_;    // the mode the columns were last sized for
    int wantedWidth_ = 0;              // wide enough to show every column
    QPointer<const QWidget> besideOf_; // to be placed beside once framed
    QString refusal_;                  // the ranking's, for the inputs typed
    QString note_;                     // what the last action did, until the inputs change
};

} // namespace harmtally::ranking
