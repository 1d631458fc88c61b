#pragma once

// The main window: the melee and the bow road from choosing a weapon to reading the damage,
// and the buttons that open the three secondary windows, whose choices it applies.
//
// Data flow: a click handler reads texts from the controls, asks a catalogue or the damage
// computation, and then either writes texts and shown/enabled states back or, having written
// nothing, reports a refusal through the message sink.

#include "core/damage.h"
#include "core/language.h"
#include "core/mode.h"
#include "main_window/form1_design.h"
#include "toolkit/builder.h"
#include "toolkit/designed_window.h"
#include "toolkit/error_box.h"

#include <QPointer>

#include <optional>

class QComboBox;
class QLineEdit;

namespace harmtally {

namespace ranking {
struct Choice;
class RankingWindow;
} // namespace ranking

namespace plan {
class PlanWindow;
} // namespace plan

class AboutWindow;
class InstructionsWindow;
class OptionsWindow;

class Form1 : public toolkit::DesignedWindow {
    Q_OBJECT
public:
    explicit Form1(toolkit::MessageSink sink);
    ~Form1() override;

    QWidget *control(Form1Control id) const { return controls_[id]; }

    // Melee road
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // Bow road
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command2archi_Click();
    void calcolaarchi_Click();
    // Secondary windows
    void Command5_Click();
    void Command6_Click();
    void lingua_Click();

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

protected:
    // While a secondary window has it unavailable, the main window stays open.
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *box(Form1Control id) const;
    QComboBox *list(Form1Control id) const;
    void showControl(Form1Control id) const;
    void hideControl(Form1Control id) const;
    void setEnabledOf(Form1Control id, bool enabled) const;
    void fill(Form1Control id, const QStringList &items) const;
    void refuse(const QString &message);
    void onClick(Form1Control id, void (Form1::*handler)());
    void followFocus(Form1Control pressed);

    // The check and computation of both roads; a pass reveals the road's display button.
    std::optional<Refusal> computeAndReveal(Form1Control displayButton);
    void displayResults() const;
    // Builds the window when it is not open and makes this window unavailable until it
    // closes, when the focus comes back to the button that opened it; then brings it to the
    // front.
    template <class Window, class Build>
    void open(QPointer<Window> &window, Form1Control opener, Build build);

    toolkit::Controls<Form1Control, kForm1Controls.size()> controls_;
    toolkit::MessageSink sink_;
    WorkingValues values_;
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
