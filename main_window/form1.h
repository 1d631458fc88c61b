#pragma once

// The main window: the melee and the bow road from choosing a weapon to reading the damage,
// and the buttons that open the three secondary windows.
//
// Data flow: a click handler reads texts from the controls, asks a catalogue or the damage
// computation, and then either writes texts and shown/enabled states back or, having written
// nothing, reports a refusal through the message sink.

#include "main_window/damage.h"
#include "main_window/form1_design.h"
#include "toolkit/builder.h"
#include "toolkit/designed_window.h"
#include "toolkit/error_box.h"
#include "windows/language.h"

#include <QPointer>

#include <optional>

class QComboBox;
class QLineEdit;

namespace harmtally {

class Form2;
class Form3;
class Form4;

class Form1 : public toolkit::DesignedWindow {
public:
    explicit Form1(toolkit::MessageSink sink = toolkit::showErrorBox);
    ~Form1() override;

    QWidget *control(Form1Control id) const { return controls_[id]; }
    const WorkingValues &workingValues() const { return values_; }
    const QString &trueshotLevel() const { return trueshotLevel_; }

    // The language last applied in the language and mode window, which the information
    // windows take when they are built; none until the player applies one.
    std::optional<Language> appliedLanguage() const { return appliedLanguage_; }
    void setAppliedLanguage(Language language) { appliedLanguage_ = language; }

    // The main window's availability, switched off while a secondary window is open.
    void setAvailable(bool available) { setEnabled(available); }

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

private:
    QLineEdit *box(Form1Control id) const;
    QComboBox *list(Form1Control id) const;
    void showControl(Form1Control id) const;
    void hideControl(Form1Control id) const;
    void setEnabledOf(Form1Control id, bool enabled) const;
    void fill(Form1Control id, const QStringList &items) const;
    void refuse(const QString &message);

    // The check and computation of both roads; a pass reveals the road's display button.
    void computeAndReveal(Form1Control displayButton);
    void displayResults() const;
    // Builds the window when it is not open (its load switches this window off), then brings
    // it to the front.
    template <class Window> void open(QPointer<Window> &window);

    toolkit::Controls<Form1Control, 40> controls_;
    toolkit::MessageSink sink_;
    WorkingValues values_;
    QString trueshotLevel_;
    std::optional<Language> appliedLanguage_;
    QPointer<Form2> about_;
    QPointer<Form3> instructions_;
    QPointer<Form4> options_;
};

} // namespace harmtally
