#include "core/numbers.h"
#include "core/messages.h"
#include "support.h"

#include <QMessageBox>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTimer>

#include <map>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

namespace {

const QStringList kTyped = {"",
                            "0",
                            " 0",
                            "00",
                            "0,0",
                            "0.0",
                            "1e308",
                            "-1e308",
                            "-5",
                            "nan",
                            "inf",
                            "1.000",
                            "1,000",
                            "7.5",
                            "7,5",
                            "30",
                            "25",
                            " 12 ",
                            "+3",
                            "-0",
                            "1E-05",
                            "abc",
                            "forza",
                            "Ωμέγα",
                            "٣٤",
                            "1e-400",
                            "0x10",
                            QString(400, u'9'),
                            "0." + QString(300, u'0') + "1"};
const QStringList kFieldTexts = {"", "Armi", "Weapons", "Archi", "Bows", "Frecce", "Quivers"};

const std::pair<Form1Control, Form1Control> kOverlapping[]
    = {{Command2, Command2archi}, {Command3, calcolaarchi}, {Combo1, combo2}, {Command1, Command7}};
const Form1Control kFigureBoxes[] = {Text1, Mindmg, Maxdmg, Text5, Text3, Text4, Text7, Text8};

} // namespace

// Plays the whole program as an unruly player would, from a seed (HARMTALLY_SEED, or a fixed one),
// checking after every action what must always hold.
class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void playsWithoutBreakingAnything();

private:
    QString pick(const QStringList &list) { return list[random_.bounded(int(list.size()))]; }
    QString nameFor(const QComboBox *combo);
    bool act();
    void actOnMainWindow();
    void actOn(SecondaryWindow *window);
    QString checkInvariants(const State &before, qsizetype messagesBefore);
    toolkit::MessageSink answeredErrorBox();

    QRandomGenerator random_;
    Recorder recorder_;
    std::unique_ptr<Form1> form_;
    std::map<QString, int> actions_;
};

// An item as listed, off by letter case or a blank, or a designed field text.
QString TestRandomPlay::nameFor(const QComboBox *combo)
{
    const QString item = combo->itemText(random_.bounded(combo->count()));
    switch (random_.bounded(5)) {
    case 0:
        return item.toLower();
    case 1:
        return item + u' ';
    case 2:
        return pick(kFieldTexts);
    default:
        return item;
    }
}

// Road buttons come up most, so that both roads are walked to their end many times.
void TestRandomPlay::actOnMainWindow()
{
    QList<QWidget *> usable;
    for (const auto &row : kForm1Controls) {
        QWidget *w = form_->control(row.id);
        const int i = int(row.id);
        if (w->isHidden() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus
            || i == int(Command4))
            continue;
        const bool roadButton = i < int(lingua) && qobject_cast<QAbstractButton *>(w);
        for (int weight = roadButton                     ? 4
                          : qobject_cast<QComboBox *>(w) ? 2
                                                         : 1;
             weight > 0; --weight)
            usable << w;
    }
    QWidget *target = usable[random_.bounded(int(usable.size()))];
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        if (random_.bounded(2))
            combo->setCurrentIndex(random_.bounded(combo->count()));
        else
            combo->setEditText(nameFor(combo));
        ++actions_["pick or type a name"];
    } else if (auto *box = qobject_cast<QLineEdit *>(target)) {
        box->setText(random_.bounded(2) ? pick(kTyped)
                                        : QString::number(random_.bounded(-50, 600)));
        ++actions_["type a figure"];
    } else {
        static_cast<QAbstractButton *>(target)->click();
        ++actions_["press " + target->objectName()];
    }
}

void TestRandomPlay::actOn(SecondaryWindow *window)
{
    if (random_.bounded(4) == 0) {
        window->close();
        ++actions_["close box"];
        return;
    }
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        if (b->isEnabled())
            buttons << b;
    QAbstractButton *button = buttons[random_.bounded(int(buttons.size()))];
    button->click();
    ++actions_[window->objectName() + " " + button->objectName()];
}

// True when the action was the exit button, which ends this run of the program.
bool TestRandomPlay::act()
{
    SecondaryWindow *open = nullptr;
    for (const char *name : {"Form2", "Form3", "Form4"})
        if (auto *w = openWindow<SecondaryWindow>(name))
            open = w;
    const bool exit = !open && random_.bounded(500) == 0;
    if (open)
        actOn(open);
    else if (exit)
        static_cast<QAbstractButton *>(form_->control(Command4))->click();
    else
        actOnMainWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exit;
}

// The real error box, noted and then answered with its OK button as soon as it is up.
toolkit::MessageSink TestRandomPlay::answeredErrorBox()
{
    return [this](QWidget *parent, const QString &text) {
        recorder_.messages.append(text);
        QTimer::singleShot(0, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        toolkit::showErrorBox(parent, text);
    };
}

// Empty when all holds; otherwise what broke.
QString TestRandomPlay::checkInvariants(const State &before, qsizetype messagesBefore)
{
    for (const auto &[a, b] : kOverlapping)
        if (!form_->control(a)->isHidden() && !form_->control(b)->isHidden())
            return form_->control(a)->objectName() + " shown with "
                   + form_->control(b)->objectName();
    for (Form1Control id : kFigureBoxes) {
        const QString t = textOf(*form_, id);
        if (!t.isEmpty() && !number(t))
            return form_->control(id)->objectName() + " holds " + t;
    }
    int open = 0;
    for (const char *name : {"Form2", "Form3", "Form4"})
        open += openWindow<QWidget>(name) != nullptr;
    if (open > 1 || form_->isEnabled() != (open == 0))
        return QString("%1 secondary windows open, main window enabled: %2")
            .arg(open)
            .arg(form_->isEnabled());
    if (recorder_.messages.size() > messagesBefore && before != stateOf(*form_)
        && recorder_.messages.last() != messages::unknownRequirement())
        return "a refusal changed the window: " + recorder_.messages.last();
    return {};
}

void TestRandomPlay::playsWithoutBreakingAnything()
{
    // Bringing a window to the front and sizing a message box are not for the offscreen
    // platform; thousands of openings would repeat those warnings.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message != u"This plugin does not support raise()"
                && message != u"This plugin does not support propagateSizeHints()")
                previous(type, context, message);
        });
    const quint32 seed = qEnvironmentVariableIsSet("HARMTALLY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("HARMTALLY_SEED"))
                             : 20261206u;
    const int count = qEnvironmentVariableIsSet("HARMTALLY_ACTIONS")
                          ? qEnvironmentVariableIntValue("HARMTALLY_ACTIONS")
                          : 20000;
    random_.seed(seed);
    int runs = 0;
    for (int n = 1; n <= count; ++n) {
        if (!form_ || !form_->isVisible()) {
            form_ = std::make_unique<Form1>(answeredErrorBox());
            form_->show();
            ++runs;
        }
        const State before = stateOf(*form_);
        const qsizetype messagesBefore = recorder_.messages.size();
        const bool exit = act();
        const QString broken = exit ? (form_->isVisible() ? "Esci left the window open" : "")
                                    : checkInvariants(before, messagesBefore);
        QVERIFY2(broken.isEmpty(), qPrintable(QString("seed %1, action %2: %3 (replay with "
                                                      "HARMTALLY_SEED=%1)")
                                                  .arg(seed)
                                                  .arg(n)
                                                  .arg(broken)));
    }

    std::map<QString, int> refusals;
    for (const QString &message : recorder_.messages)
        ++refusals[message.simplified().left(40)];
    qInfo("seed %u: %d actions in %d runs of the program", seed, count, runs);
    for (const auto &[kind, times] : actions_)
        qInfo("  %6d  %s", times, qPrintable(kind));
    qInfo("%lld refusals", qlonglong(recorder_.messages.size()));
    for (const auto &[kind, times] : refusals)
        qInfo("  %6d  %s", times, qPrintable(kind));
    form_.reset();
}

QTEST_MAIN(TestRandomPlay)
#include "test_random_play.moc"
