#include "ranking_window/ranking_window.h"
#include "support.h"
#include "windows/about_window.h"
#include "windows/instructions_window.h"
#include "windows/language_texts.h"

#include <QPushButton>
#include <QTimer>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void infoWindowsTakeTheLanguageWhenBuilt();
    void mainWindowUnavailableWhileOpen_data();
    void mainWindowUnavailableWhileOpen();
    void rankingWindowBesideTheMainWindow();
    void mainWindowClosingEndsTheProgram_data();
    void mainWindowClosingEndsTheProgram();

private:
    Recorder recorder_;
    std::unique_ptr<Form1> form_;
};

void TestWindows::init()
{
    form_ = std::make_unique<Form1>(recorder_.sink());
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestWindows::cleanup()
{
    form_.reset();
    QCOMPARE(windowsLeft(), QStringList());
}

// Their designed texts before any language is applied, then the rows of the language applied
// last, at every opening; the About window's title and heading stay as designed.
void TestWindows::infoWindowsTakeTheLanguageWhenBuilt()
{
    for (const auto language : {std::optional<Language>(), std::optional(Language::English),
                                std::optional(Language::Italian)}) {
        const AboutWindow about(language);
        const InstructionsWindow instructions(language);
        QCOMPARE(about.focusWidget(), about.control(Form2Control::Command1));
        QCOMPARE(instructions.focusWidget(), instructions.control(Form3Control::Esci));
        const auto *text = static_cast<QLabel *>(instructions.control(Form3Control::Label1));
        QVERIFY(text->wordWrap() && text->autoFillBackground());
        QCOMPARE(about.windowTitle(), QString("About...."));
        QCOMPARE(captionOf(about.control(Form2Control::Label2)), QString("Harmtally 2.0.2"));
        if (!language) {
            QCOMPARE(text->text().count(u'"'), 6);
            continue;
        }
        for (const TextRow &row : kTextTable) {
            if (const auto *id = std::get_if<Form2Control>(&row.target))
                QCOMPARE(captionOf(about.control(*id)), textOf(row, *language));
            if (const auto *id = std::get_if<Form3Control>(&row.target))
                QCOMPARE(captionOf(instructions.control(*id)), textOf(row, *language));
        }
    }
}

void TestWindows::mainWindowUnavailableWhileOpen_data()
{
    QTest::addColumn<Form1Control>("opener");
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("About, button") << Command5 << QByteArray("Form2") << false;
    QTest::newRow("About, close box") << Command5 << QByteArray("Form2") << true;
    QTest::newRow("Instructions, button") << Command6 << QByteArray("Form3") << false;
    QTest::newRow("Instructions, close box") << Command6 << QByteArray("Form3") << true;
    QTest::newRow("options, button") << lingua << QByteArray("Form4") << false;
    QTest::newRow("options, close box") << lingua << QByteArray("Form4") << true;
}

// No click and no close request reaches the main window while the other is open; either way of
// closing gives it back as it was, with the focus on the button that opened the window.
void TestWindows::mainWindowUnavailableWhileOpen()
{
    QFETCH(Form1Control, opener);
    QFETCH(QByteArray, window);
    QFETCH(bool, byCloseBox);
    type(*form_, Text2, "30");
    const State before = stateOf(*form_);

    press(*form_, opener);
    QVERIFY(!form_->isEnabled());
    QTest::mouseClick(form_->control(Command5), Qt::LeftButton);
    QVERIFY(!form_->close());
    QVERIFY(form_->isVisible());
    QCOMPARE(windowsLeft(), (QStringList{"Form1", QString(window)}));

    SecondaryWindow *open = openWindow<SecondaryWindow>(window);
    QVERIFY(open);
    if (byCloseBox) {
        open->close();
    } else {
        QApplication::setActiveWindow(open);
        QVERIFY(QTest::qWaitForWindowActive(open));
        // Through the window, as the platform delivers keys, so the access key is seen.
        QTest::keyClick(open->windowHandle(), Qt::Key_C, Qt::AltModifier); // &Chiudi
    }
    QTRY_COMPARE(windowsLeft(), QStringList{"Form1"});
    QCOMPARE(unexpected(before, stateOf(*form_)), QStringList());
    QCOMPARE(form_->focusWidget(), form_->control(opener));
}

// Ctrl+R opens the ranking over a usable main window, only while that one is available; a row
// the player takes there lands in the pick-list the road is waiting on, and nowhere else.
void TestWindows::rankingWindowBesideTheMainWindow()
{
    const auto take = [this](Mode mode, const char *name, const char *arrows = "") {
        return form_->takeRankingChoice({mode, name, arrows}).isEmpty();
    };
    const auto rankWeapons = [this] {
        QApplication::setActiveWindow(form_.get());
        QTest::keyClick(form_.get(), Qt::Key_R, Qt::ControlModifier);
        return openWindow<ranking::RankingWindow>("RankingWindow");
    };
    press(*form_, Command5);
    QVERIFY(!rankWeapons() && !take(Mode::Melee, "Rusted Dirk"));
    openWindow<SecondaryWindow>("Form2")->close();
    type(*form_, Text2, "100");
    type(*form_, Text6, "60");
    ranking::RankingWindow *ranking = rankWeapons();
    QVERIFY(ranking && form_->isEnabled());
    const auto &c = ranking->controls();
    QCOMPARE(ranking->windowTitle() + c.strength->text() + c.seconds->text(),
             "Classifica armi10060");
    form_->applyLanguage(Language::English);
    QCOMPARE(ranking->windowTitle(), "Rank weapons");

    QVERIFY(take(Mode::Melee, "Rusted Dirk") && !take(Mode::Bow, "Elm Flatbow", "Wooden Arrows"));
    press(*form_, Command1);
    QVERIFY(!take(Mode::Melee, "Bo"));
    QCOMPARE(textOf(*form_, Combo1), QString("Rusted Dirk"));
    form_->applyMode(Mode::Bow);
    QVERIFY(rankWeapons() && c.bows->isChecked());
    QVERIFY(!take(Mode::Melee, "Darkthorn ") && take(Mode::Bow, "Elm Flatbow", "Wooden Arrows"));
    press(*form_, Command7);
    QVERIFY(!take(Mode::Bow, "Oak Longbow", "Flight Arrows"));
    QVERIFY(take(Mode::Bow, "Elm Flatbow", "Flight Arrows"));
    QCOMPARE(textOf(*form_, combo2) + '|' + textOf(*form_, combo3),
             QString("Elm Flatbow|Flight Arrows"));
    QCOMPARE(recorder_.messages, QStringList());
}

void TestWindows::mainWindowClosingEndsTheProgram_data()
{
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("exit button") << true;
    QTest::newRow("close box, once the About window is closed") << false;
}

void TestWindows::mainWindowClosingEndsTheProgram()
{
    QFETCH(bool, byExitButton);
    QTimer::singleShot(0, form_.get(), [this, byExitButton] {
        if (byExitButton)
            return press(*form_, Command4);
        press(*form_, Command5);
        openWindow<SecondaryWindow>("Form2")->close();
        form_->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form_->isVisible());
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
