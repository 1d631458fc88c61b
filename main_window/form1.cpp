#include "main_window/form1.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "main_window/mode_table.h"
#include "plan_window/plan_window.h"
#include "ranking_window/ranking_window.h"
#include "windows/about_window.h"
#include "windows/instructions_window.h"
#include "windows/options_window.h"

#include <QAction>
#include <QCloseEvent>
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

    // Beyond the designed window: the ranking, by Ctrl+R or the right-click menu.
    auto *rank = new QAction(QStringLiteral("Classifica armi/Rank weapons"), this);
    rank->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(rank, &QAction::triggered, this, &Form1::openRanking);
    addAction(rank);
    auto *plan = new QAction(QStringLiteral("Confronta e pianifica/Compare and plan"), this);
    plan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(plan, &QAction::triggered, this, &Form1::openPlan);
    addAction(plan);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    controls_[Command1]->setFocus();
}

// The secondary windows have no owner; they go with the main window.
Form1::~Form1()
{
    delete about_;
    delete instructions_;
    delete options_;
    delete ranking_;
    delete plan_;
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

void Form1::onClick(Form1Control id, void (Form1::*handler)())
{
    connect(controls_.as<QPushButton>(id), &QPushButton::clicked, this, [this, id, handler] {
        const bool hadFocus = focusWidget() == controls_[id];
        (this->*handler)();
        if (hadFocus && (controls_[id]->isHidden() || !controls_[id]->isEnabled()))
            followFocus(id);
    });
}

// Where the player goes on when a step hides or disables the button that had the focus. Qt
// would hand the focus to the next control in tab order, which may be "&Esci": one more Space
// would end the program. The tab order itself stays as designed.
void Form1::followFocus(Form1Control pressed)
{
    switch (pressed) {
    case Command1:
    case Command9:
        return controls_[Text2]->setFocus();
    case Command2:
    case Command3:
        return controls_[Combo1]->setFocus();
    case Command7:
        return controls_[combo3]->setFocus();
    case Command8: // the level box, for the Trueshot Quiver
        return controls_[controls_[Text9]->isHidden() ? Text2 : Text9]->setFocus();
    case calcolaarchi:
        return controls_[combo2]->setFocus();
    default:
        return;
    }
}

std::optional<Refusal> Form1::computeAndReveal(Form1Control displayButton)
{
    const QString seconds = box(Text6)->text();
    const auto outcome
        = computeDamage({box(Text1)->text(), box(Mindmg)->text(), box(Maxdmg)->text(),
                         box(Text2)->text(), box(Text5)->text(), seconds});
    if (const auto *refusal = std::get_if<Refusal>(&outcome)) {
        refuse(refusal->message);
        return *refusal;
    }

    values_ = std::get<WorkingValues>(outcome);
    showControl(displayButton);
    const QString caption = QStringLiteral("per ") + seconds + QStringLiteral(" sec.");
    controls_.as<QLabel>(Label10)->setText(caption);
    controls_.as<QLabel>(Label11)->setText(caption);
    for (Form1Control id :
         {Label6, Label7, Label10, Label11, Label12, Label13, Text3, Text4, Text7, Text8})
        showControl(id);
    return std::nullopt;
}

void Form1::displayResults() const
{
    box(Text3)->setText(values_.hitMin);
    box(Text4)->setText(values_.hitMax);
    box(Text7)->setText(values_.totalMin);
    box(Text8)->setText(values_.totalMax);
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!isEnabled())
        event->ignore();
}

template <class Window, class Build>
void Form1::open(QPointer<Window> &window, Form1Control opener, Build build)
{
    // A closed window may still await its deferred deletion: build a new one all the same.
    if (!window || !window->isVisible()) {
        window = build();
        connect(window, &SecondaryWindow::mainWindowReleased, this, [this, opener] {
            setEnabled(true);
            controls_[opener]->setFocus();
        });
        setEnabled(false);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::Command5_Click()
{
    open(about_, Command5, [this] { return new AboutWindow(appliedLanguage_); });
}

void Form1::Command6_Click()
{
    open(instructions_, Command6, [this] { return new InstructionsWindow(appliedLanguage_); });
}

void Form1::lingua_Click()
{
    open(options_, lingua, [this] {
        auto *options = new OptionsWindow;
        connect(options, &OptionsWindow::languageChosen, this, &Form1::applyLanguage);
        connect(options, &OptionsWindow::modeChosen, this, &Form1::applyMode);
        return options;
    });
}

void Form1::applyLanguage(Language language)
{
    applyTexts<Form1Control>(language, [this](Form1Control id) { return controls_[id]; });
    appliedLanguage_ = language;
    if (ranking_)
        ranking_->setLanguage(language);
    if (plan_)
        plan_->setLanguage(language);
}

void Form1::applyMode(Mode mode)
{
    for (const ModeRow &row : kModeTable) {
        const ModeState state = mode == Mode::Melee ? row.melee : row.bow;
        QWidget *widget = controls_[row.control];
        widget->setHidden(state == ModeState::Hidden || state == ModeState::HiddenEnabled);
        if (state == ModeState::HiddenEnabled || state == ModeState::ShownEnabled)
            widget->setEnabled(true);
    }
}

} // namespace harmtally
