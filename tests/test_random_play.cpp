#include "core/numbers.h"
#include "support.h"
#include "texts/messages.h"

#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

namespace {

// clang-format off
const QStringList kTyped = {"", "0", " 0", "00", "0,0", "0.0", "1e308", "-1e308", "-5", "nan", "inf",
                            "1.000", "1,000", "7.5", "7,5", "30", " 12 ", "+3", "-0", "1E-05", "abc",
                            "Ωμέγα", "٣٤", "1e-400", "0x10", QString(400, u'9'), "0." + QString(300, u'0') + "1"};
const QStringList kFieldTexts = {"", "Armi", "Weapons", "Archi", "Bows", "Frecce", "Quivers"};
// clang-format on
const std::pair<Form1Control, Form1Control> kOverlapping[]
    = {{Command2, Command2archi}, {Command3, calcolaarchi}, {Combo1, combo2}, {Command1, Command7}};
const Form1Control kFigureBoxes[] = {Text1, Mindmg, Maxdmg, Text5, Text3, Text4, Text7, Text8};

} // namespace

// Plays the whole program as an unruly player would, from a seed (HARMTALLY_SEED, or a fixed
// one; HARMTALLY_ACTIONS actions), with the real error box answered, checking after every action
// what must always hold.
class TestRandomPlay : public QObject {
    Q_OBJECT
private slots:
    void playsWithoutBreakingAnything();

private:
    template <class List> auto pick(const List &list)
    {
        return list[random_.bounded(int(std::size(list)))];
    }
    void act();
    QString broken(const State &before, qsizetype refusals);

    QRandomGenerator random_;
    QStringList refusals_;
    std::unique_ptr<MainWindow> form_;
};

// Road buttons come up most, so that both roads are walked to their end many times; now and
// then "&Esci" ends this run of the program.
void TestRandomPlay::act()
{
    for (const char *name : {"Form2", "Form3", "Form4"}) {
        if (auto *open = openWindow<SecondaryWindow>(name)) {
            const auto buttons = open->findChildren<QAbstractButton *>();
            if (random_.bounded(4) == 0)
                open->close();
            else if (QAbstractButton *b = pick(buttons); b->isEnabled())
                b->click();
            return;
        }
    }
    QList<QWidget *> usable;
    for (const auto &row : kForm1Controls) {
        QWidget *w = form_->control(row.id);
        if (w->isHidden() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus
            || (row.id == Command4 && random_.bounded(100) != 0))
            continue;
        const bool button = qobject_cast<QAbstractButton *>(w);
        for (int weight = button && row.id < lingua ? 4 : 1; weight > 0; --weight)
            usable << w;
    }
    QWidget *target = pick(usable);
    if (auto *combo = qobject_cast<QComboBox *>(target)) {
        const QString item = combo->itemText(random_.bounded(combo->count()));
        const QString variants[] = {item, item, item.toLower(), item + u' ', pick(kFieldTexts)};
        combo->setEditText(pick(variants));
    } else if (auto *box = qobject_cast<QLineEdit *>(target)) {
        box->setText(random_.bounded(2) ? pick(kTyped)
                                        : QString::number(random_.bounded(-50, 600)));
    } else {
        static_cast<QAbstractButton *>(target)->click();
    }
}

// Empty when all holds; otherwise what broke.
QString TestRandomPlay::broken(const State &before, qsizetype refusals)
{
    for (const auto &[a, b] : kOverlapping)
        if (!form_->control(a)->isHidden() && !form_->control(b)->isHidden())
            return form_->control(a)->objectName() + " shown with "
                   + form_->control(b)->objectName();
    for (Form1Control id : kFigureBoxes)
        if (const QString t = textOf(*form_, id); !t.isEmpty() && !number(t, kEnglish))
            return form_->control(id)->objectName() + " holds " + t;
    const int open = int(windowsLeft().size()) - 1;
    if (open > 1 || form_->isEnabled() != (open == 0))
        return QString("%1 secondary windows open, main window enabled: %2")
            .arg(open)
            .arg(form_->isEnabled());
    if (refusals_.size() > refusals && !unexpected(before, stateOf(*form_)).isEmpty()
        && refusals_.last() != messages::unknownRequirement())
        return "a refusal changed the window: " + refusals_.last();
    return {};
}

void TestRandomPlay::playsWithoutBreakingAnything()
{
    // Bringing a window to the front and sizing a message box are not for the offscreen
    // platform; thousands of openings would repeat those warnings.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.startsWith(u"This plugin does not support"))
                previous(type, context, message);
        });
    const auto setting = [](const char *name, int otherwise) {
        return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : otherwise;
    };
    const quint32 seed = quint32(setting("HARMTALLY_SEED", 20261206));
    const int count = setting("HARMTALLY_ACTIONS", 20000);
    random_.seed(seed);
    int runs = 0;
    for (int n = 1; n <= count; ++n) {
        if (!form_ || !form_->isVisible()) {
            // The real error box, noted, then answered with its OK button as soon as it is up.
            form_ = std::make_unique<MainWindow>(
                [this](QWidget *parent, const QString &text) {
                    refusals_.append(text);
                    QTimer::singleShot(0, [] {
                        if (auto *box
                            = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                            box->button(QMessageBox::Ok)->click();
                    });
                    toolkit::showErrorBox(parent, text);
                },
                kEnglish);
            form_->show();
            ++runs;
        }
        const State before = stateOf(*form_);
        const qsizetype refusals = refusals_.size();
        act();
        const QString fault = form_->isVisible() ? broken(before, refusals) : QString();
        QVERIFY2(fault.isEmpty(),
                 qPrintable(QString("seed %1, action %2: %3").arg(seed).arg(n).arg(fault)));
    }
    qInfo("seed %u: %d actions in %d runs of the program, %lld refusals", seed, count, runs,
          qlonglong(refusals_.size()));
    form_.reset();
}

QTEST_MAIN(TestRandomPlay)
#include "test_random_play.moc"
