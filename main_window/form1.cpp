#include "main_window/form1.h"

#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace harmtally {

using enum Form1Control;

Form1::Form1(toolkit::MessageSink sink)
    : toolkit::DesignedWindow(kForm1Window)
    , controls_(toolkit::build(*this, kForm1Controls))
    , sink_(std::move(sink))
{
    for (const BoxHeading &heading : kForm1Headings)
        controls_.as<QLabel>(heading.label)->setBuddy(controls_[heading.box]);
    fill(Combo1, meleePickListItems());
    fill(combo2, bowPickListItems());
    fill(combo3, arrowPickListItems());

    const auto onClick = [this](Form1Control id, void (Form1::*handler)()) {
        connect(controls_.as<QPushButton>(id), &QPushButton::clicked, this, handler);
    };
    onClick(Command9, &Form1::Command9_Click);
    onClick(Command2, &Form1::Command2_Click);
    onClick(Command2archi, &Form1::Command2archi_Click);
    onClick(Command3, &Form1::Command3_Click);
    onClick(calcolaarchi, &Form1::calcolaarchi_Click);
    onClick(Command1, &Form1::Command1_Click);
    onClick(Command7, &Form1::Command7_Click);
    onClick(Command8, &Form1::Command8_Click);
    onClick(lingua, &Form1::lingua_Click);
    onClick(Command6, &Form1::Command6_Click);
    onClick(Command5, &Form1::Command5_Click);
    onClick(Command4, &Form1::Command4_Click);

    controls_[Command1]->setFocus();
}

// The secondary windows have no owner; they go with the main window.
Form1::~Form1()
{
    delete about_;
    delete instructions_;
    delete options_;
}

QLineEdit *Form1::box(Form1Control id) const { return controls_.as<QLineEdit>(id); }
QComboBox *Form1::list(Form1Control id) const { return controls_.as<QComboBox>(id); }
void Form1::showControl(Form1Control id) const { controls_[id]->setHidden(false); }
void Form1::hideControl(Form1Control id) const { controls_[id]->setHidden(true); }
void Form1::setEnabledOf(Form1Control id, bool enabled) const
{
    controls_[id]->setEnabled(enabled);
}

// Adding items selects the first; the field keeps its designed text with no item selected.
void Form1::fill(Form1Control id, const QStringList &items) const
{
    QComboBox *combo = list(id);
    const QString field = combo->currentText();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(field);
}

void Form1::refuse(const QString &message) { sink_(this, message); }

void Form1::computeAndReveal(Form1Control displayButton)
{
    const QString seconds = box(Text6)->text();
    const auto outcome
        = computeDamage({box(Text1)->text(), box(Mindmg)->text(), box(Maxdmg)->text(),
                         box(Text2)->text(), box(Text5)->text(), seconds});
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return refuse(refusal->message);

    values_ = std::get<WorkingValues>(outcome);
    showControl(displayButton);
    const QString caption = QStringLiteral("per ") + seconds + QStringLiteral(" sec.");
    controls_.as<QLabel>(Label10)->setText(caption);
    controls_.as<QLabel>(Label11)->setText(caption);
    for (Form1Control id :
         {Label6, Label7, Label10, Label11, Label12, Label13, Text3, Text4, Text7, Text8})
        showControl(id);
}

void Form1::displayResults() const
{
    box(Text3)->setText(values_.hitMin);
    box(Text4)->setText(values_.hitMax);
    box(Text7)->setText(values_.totalMin);
    box(Text8)->setText(values_.totalMax);
}

template <class Window> void Form1::open(QPointer<Window> &window)
{
    // A closed window may still await its deferred deletion: build a new one all the same.
    if (!window || !window->isVisible())
        window = new Window(*this);
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::Command5_Click() { open(about_); }
void Form1::Command6_Click() { open(instructions_); }
void Form1::lingua_Click() { open(options_); }

} // namespace harmtally
