#pragma once

// Which weapon, or which bow with which arrows, is best for my strength: every one ranked for
// the strength, seconds and Trueshot level typed, following each keystroke. A plain window of
// its own, created the first time it is asked for; closing it never ends the program.

#include "core/language.h"
#include "core/mode.h"
#include "ranking/ranking.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace harmtally::ranking {

class RankingTableModel;

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

    // language: the one last applied in the language window (Italian before any).
    RankingWindow(Language language, Offer offer);
    ~RankingWindow() override;

    void setLanguage(Language language);

    // Where "Export CSV" writes; an empty name cancels. A save dialog unless replaced.
    void setFileNameAsker(std::function<QString()> ask) { askFileName_ = std::move(ask); }

    struct Controls {
        QRadioButton *melee;
        QRadioButton *bows;
        QLineEdit *strength;
        QLineEdit *seconds;
        QLineEdit *level;
        QLineEdit *search;
        QCheckBox *wieldable;
        QPushButton *exportCsv;
        QTableView *table;
        QLabel *status;
    };
    const Controls &controls() const { return c_; }
    const RankingTableModel &model() const { return *model_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void recompute();
    void fitColumns();
    void refilter();
    void showStatus();
    void setNote(const QString &note);
    void offerCurrent();
    void copySelection();
    void exportCsv();
    QString askSaveFileName();

    Language language_;
    Offer offer_;
    std::function<QString()> askFileName_;
    QLocale locale_;
    Controls c_{};
    // The labels of strength, seconds, level and search, in that order.
    static constexpr std::size_t kLevel = 2, kSearch = 3;
    std::array<QLabel *, 4> labels_{};
    std::array<QLineEdit *, 4> boxes() const
    {
        return {c_.strength, c_.seconds, c_.level, c_.search};
    }
    RankingTableModel *model_ = nullptr;
    std::optional<Mode> fittedFor_; // the mode the columns were last sized for
    QString refusal_;               // the model's, for the inputs typed
    QString note_;                  // what the last action did, until the inputs change
};

} // namespace harmtally::ranking
