#include "main_window/main_window.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "main_window/mode_table.h"
#include "plan_window/plan_window.h"
#include "ranking_window/ranking_window.h"
#include "texts/shared_words.h"
#include "toolkit/apply_texts.h"
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

MainWindow::MainWindow(toolkit::MessageSink sink, const QLocale &locale)
    : toolkit::DesignedWindow(kForm1Window)
    , controls_(toolkit::build(*this, kForm1Controls))
    , sink_(std::move(sink))
    , locale_(locale)
{
    for (const BoxHeading &heading : kForm1Headings)
        controls_.as<QLabel>(heading.label)->setBuddy(controls_[heading.box]);
    fill(Combo1, meleePickListItems());
    fill(combo2, bowPickListItems());
    fill(combo3, arrowPickListItems());

    onClick(Command9, &MainWindow::applyLevel);
    onClick(Command2, &MainWindow::computeMelee);
    onClick(Command2archi, &MainWindow::computeBow);
    onClick(Command3, &MainWindow::showMeleeResults);
    onClick(calcolaarchi, &MainWindow::showBowResults);
    onClick(Command1, &MainWindow::confirmWeapon);
    onClick(Command7, &MainWindow::chooseBow);
    onClick(Command8, &MainWindow::chooseArrows);
    onClick(lingua, &MainWindow::openLanguageWindow);
    onClick(Command6, &MainWindow::openInstructions);
    onClick(Command5, &MainWindow::openAbout);
    onClick(Command4, &MainWindow::quit);

    // Beyond the designed window: the ranking, by Ctrl+R or the right-click menu.
    auto *rank = new QAction(words::kRankingTitle.both(u"/"), this);
    rank->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(rank, &QAction::triggered, this, &MainWindow::openRanking);
    addAction(rank);
    auto *plan = new QAction(words::kPlanTitle.both(u"/"), this);
    plan->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(plan, &QAction::triggered, this, &MainWindow::openPlan);
    addAction(plan);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    controls_[Command1]->setFocus();
}

// The secondary windows have no owner; they go with the main window.
MainWindow::~MainWindow()
{
    delete about_;
    delete instructions_;
    delete options_;
    delete ranking_;
    delete plan_;
}

QLineEdit *MainWindow::box(Form1Control id) const { return controls_.as<QLineEdit>(id); }
QComboBox *MainWindow::list(Form1Control id) const { return controls_.as<QComboBox>(id); }
void MainWindow::showControl(Form1Control id) const { controls_[id]->setHidden(false); }
void MainWindow::hideControl(Form1Control id) const { controls_[id]->setHidden(true); }
void MainWindow::setEnabledOf(Form1Control id, bool enabled) const
{
    controls_[id]->setEnabled(enabled);
}

// Adding items selects the first; the field keeps its designed text with no item selected.
void MainWindow::fill(Form1Control id, const QStringList &items) const
{
    QComboBox *combo = list(id);
    const QString field = combo->currentText();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(field);
}

void MainWindow::refuse(const QString &message) { sink_(this, message); }

void MainWindow::onClick(Form1Control id, void (MainWindow::*handler)())
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
void MainWindow::followFocus(Form1Control pressed)
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

std::optional<Refusal> MainWindow::computeAndReveal(Form1Control displayButton)
{
    const QString seconds = box(Text6)->text();
    const auto outcome
        = computeDamage({box(Text1)->text(), box(Mindmg)->text(), box(Maxdmg)->text(),
                         box(Text2)->text(), box(Text5)->text(), seconds},
                        locale_);
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

void MainWindow::writeResults() const
{
    box(Text3)->setText(values_.hitMin);
    box(Text4)->setText(values_.hitMax);
    box(Text7)->setText(values_.totalMin);
    box(Text8)->setText(values_.totalMax);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!isEnabled())
        event->ignore();
}

template <class Window, class Build>
void MainWindow::open(QPointer<Window> &window, Form1Control opener, Build build)
{
    // A closed window may still await its deferred deletion: build a new one all the same.
    if (!window || !window->isVisible()) {
        window = build();
        connect(window, &SecondaryWindow::mainWindowReleased, this, [this, opener] {
            setEnabled(true);
            // Without a window manager nobody else hands the keyboard back.
            activateWindow();
            controls_[opener]->setFocus();
        });
        setEnabled(false);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::openAbout()
{
    open(about_, Command5, [this] { return new AboutWindow(appliedLanguage_); });
}

void MainWindow::openInstructions()
{
    open(instructions_, Command6, [this] { return new InstructionsWindow(appliedLanguage_); });
}

void MainWindow::openLanguageWindow()
{
    open(options_, lingua, [this] {
        auto *options = new OptionsWindow;
        connect(options, &OptionsWindow::languageChosen, this, &MainWindow::applyLanguage);
        connect(options, &OptionsWindow::modeChosen, this, &MainWindow::applyMode);
        return options;
    });
}

void MainWindow::applyLanguage(Language language)
{
    applyTexts<Form1Control>(language, [this](Form1Control id) { return controls_[id]; });
    appliedLanguage_ = language;
    if (ranking_)
        ranking_->setLanguage(language);
    if (plan_)
        plan_->setLanguage(language);
}

void MainWindow::applyMode(Mode mode)
{
    mode_ = mode;
    for (const ModeRow &row : kModeTable) {
        const ModeState state = mode == Mode::Melee ? row.melee : row.bow;
        QWidget *widget = controls_[row.control];
        widget->setHidden(state == ModeState::Hidden || state == ModeState::HiddenEnabled);
        if (state == ModeState::HiddenEnabled || state == ModeState::ShownEnabled)
            widget->setEnabled(true);
    }
}

} // namespace harmtally
