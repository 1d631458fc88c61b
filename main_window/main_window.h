#pragma once

// The main window: the melee and the bow road from choosing a weapon to reading the damage,
// and the buttons that open the three secondary windows, whose choices it applies.
//
// Data flow: a click handler reads texts from the controls, asks a catalogue or the damage
// computation, and then either writes texts and shown/enabled states back or, having written
// nothing, reports a refusal through the message sink.

#include "core/damage.h"
#include "core/mode.h"
#include "main_window/main_window_design.h"
#include "texts/language.h"
#include "toolkit/builder.h"
#include "toolkit/designed_window.h"
#include "toolkit/error_box.h"

#include <QLocale>
#include <QPointer>

#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;

namespace harmtally {

namespace ranking {
struct Choice;
struct Pick;
struct Inputs;
class RankingWindow;
} // namespace ranking

namespace plan {
class PlanWindow;
} // namespace plan

class AboutWindow;
class InstructionsWindow;
class OptionsWindow;

class MainWindow : public toolkit::DesignedWindow {
    Q_OBJECT
public:
    // Figures are read and written in locale (the system's, in the program).
    MainWindow(toolkit::MessageSink sink, const QLocale &locale);
    ~MainWindow() override;

    QWidget *control(Form1Control id) const { return controls_[id]; }

    // What the language and mode window reports.
    void applyLanguage(Language language);
    void applyMode(Mode mode);

    // The ranking window, built the first time it is asked for (Ctrl+R, the right-click menu, or
    // --rank-window); nothing while a secondary window has this one unavailable.
    void openRanking();
    // A row chosen in the ranking window, put into the pick-list fields when the road is at the
    // choice of that kind of weapon; the reason why not otherwise.
    QString takeRankingChoice(const ranking::Choice &choice);
    // The compare and plan window (Ctrl+G, the right-click menu), built the first time it is
    // asked for; nothing while a secondary window has this one unavailable.
    void openPlan();
    // Rows chosen in the ranking window, compared in that window in their place for the figures
    // typed there; the reason why not otherwise.
    QString compareRankingRows(const std::vector<ranking::Pick> &picks,
                               const ranking::Inputs &figures);

protected:
    // While a secondary window has it unavailable, the main window stays open.
    void closeEvent(QCloseEvent *event) override;

private:
    // The compare and plan window, built the first time it is asked for.
    plan::PlanWindow &planWindow();
    // A window beyond the design shown, kept whole on the screen and brought to the front.
    static void bringToFront(QWidget &window);
    // Why a window beyond the design cannot act on the main window just now.
    static QString waitingForAnotherWindow();

    // The melee road
    void confirmWeapon();    // Command1
    void computeMelee();     // Command2
    void showMeleeResults(); // Command3
    void quit();             // Command4
    // The bow road
    void chooseBow();      // Command7
    void chooseArrows();   // Command8
    void applyLevel();     // Command9
    void computeBow();     // Command2archi
    void showBowResults(); // calcolaarchi
    // The secondary windows
    void openAbout();          // Command5
    void openInstructions();   // Command6
    void openLanguageWindow(); // lingua

    QLineEdit *box(Form1Control id) const;
    QComboBox *list(Form1Control id) const;
    void showControl(Form1Control id) const;
    void hideControl(Form1Control id) const;
    void setEnabledOf(Form1Control id, bool enabled) const;
    void fill(Form1Control id, const QStringList &items) const;
    void refuse(const QString &message);
    void onClick(Form1Control id, void (MainWindow::*handler)());
    void followFocus(Form1Control pressed);

    // The check and computation of both roads; a pass reveals the road's display button.
    std::optional<Refusal> computeAndReveal(Form1Control displayButton);
    void writeResults() const;
    // Builds the window when it is not open and makes this window unavailable until it
    // closes, when the focus comes back to the button that opened it; then brings it to the
    // front.
    template <class Window, class Build>
    void open(QPointer<Window> &window, Form1Control opener, Build build);

    toolkit::Controls<Form1Control, kForm1Controls.size()> controls_;
    toolkit::MessageSink sink_;
    const QLocale locale_;
    WorkingValues values_;
    // The mode last applied (the design starts on the melee road), which the windows beyond the
    // design start from.
    Mode mode_ = Mode::Melee;
    QString trueshotLevel_;
    // The language last applied, which the information windows take when they are built;
    // none until the player applies one.
    std::optional<Language> appliedLanguage_;
    QPointer<AboutWindow> about_;
    QPointer<InstructionsWindow> instructions_;
    QPointer<OptionsWindow> options_;
    QPointer<ranking::RankingWindow> ranking_;
    QPointer<plan::PlanWindow> plan_;
};

} // namespace harmtally
