#include "ranking_window/ranking_window.h"
#include "support.h"
#include "texts/language_texts.h"
#include "windows/about_window.h"
#include "windows/instructions_window.h"

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
    void wholeOnTheScreen_data();
    void wholeOnTheScreen();
    void titleBarKeptInReach_data();
    void titleBarKeptInReach();
    void rankingWindowKeptWhole();

private:
    Recorder recorder_;
    std::unique_ptr<MainWindow> form_;
};

void TestWindows::init()
{
    form_ = std::make_unique<MainWindow>(recorder_.sink(), kEnglish);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestWindows::cleanup()
{
    form_.reset();
    QCOMPARE(windowsLeft(), QStringList());
}

// Their designed texts before any language is applied (the fingerprints hold the rest of their
// design), then the rows of the language applied last, at every opening.
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
        if (!language) {
            QCOMPARE(text->text().count(u'"'), 6);
            continue;
        }
        for (const TextRow &row : kTextTable) {
            if (const auto *id = std::get_if<Form2Control>(&row.target))
                QCOMPARE(captionOf(about.control(*id)), row.text.in(*language));
            if (const auto *id = std::get_if<Form3Control>(&row.target))
                QCOMPARE(captionOf(instructions.control(*id)), row.text.in(*language));
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
    QWidget *about = openWindow<SecondaryWindow>("Form2");
    QApplication::setActiveWindow(about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about->windowHandle(), Qt::Key_R, Qt::ControlModifier); // where keys now go
    form_->openRanking();                                                   // as --rank-window asks
    QVERIFY(!rankWeapons());
    QVERIFY(form_->takeRankingChoice({Mode::Melee, "Rusted Dirk", ""}).endsWith("to close."));
    about->close();
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

void TestWindows::wholeOnTheScreen_data()
{
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QMargins>("frame"); // as the window system reports it
    QTest::addColumn<QSize>("least");
    QTest::addColumn<QRect>("fitted");
    // A 640 x 480 screen less a 30 px panel at its top; the window manager's frame: 4 px, title
    // bar 24.
    const QMargins frame(4, 24, 4, 4);
    QTest::newRow("fits: stays") << QRect(100, 80, 300, 200) << frame << QSize()
                                 << QRect(100, 80, 300, 200);
    QTest::newRow("past the bottom right")
        << QRect(500, 400, 300, 200) << frame << QSize() << QRect(336, 276, 300, 200);
    QTest::newRow("title bar under the panel")
        << QRect(100, 40, 300, 200) << frame << QSize() << QRect(100, 54, 300, 200);
    QTest::newRow("left frame past the edge")
        << QRect(2, 80, 300, 200) << frame << QSize() << QRect(4, 80, 300, 200);
    QTest::newRow("larger: shrunk with its frame")
        << QRect(0, 0, 900, 600) << frame << QSize() << QRect(4, 54, 632, 422);
    QTest::newRow("fixed: kept whole at the top left")
        << QRect(50, 50, 700, 500) << frame << QSize(700, 500) << QRect(4, 54, 700, 500);
    QTest::newRow("no frame yet") << QRect(0, 30, 640, 450) << QMargins() << QSize()
                                  << QRect(0, 30, 640, 450);
    QTest::newRow("half-made frame: none yet")
        << QRect(0, 30, 640, 450) << QMargins(4, -20, 4, 4) << QSize() << QRect(0, 30, 640, 450);
}

// Where a window goes to stay whole on the screen, its frame and title bar included.
void TestWindows::wholeOnTheScreen()
{
    QFETCH(QRect, client);
    QFETCH(QMargins, frame);
    QFETCH(QSize, least);
    QTEST(toolkit::fittedClient(client, frame, {0, 30, 640, 450}, least), "fitted");
}

void TestWindows::titleBarKeptInReach_data()
{
    QTest::addColumn<QPoint>("movedTo");
    QTest::newRow("past the top") << QPoint(100, -40);
    QTest::newRow("past the left") << QPoint(-40, 100);
}

// Moved past the top or left edge, by the player or by a window manager putting back an old
// request, a window comes back whole; moved past the right, it stays where it was put.
void TestWindows::titleBarKeptInReach()
{
    QFETCH(QPoint, movedTo);
    press(*form_, Command5);
    auto *about = openWindow<SecondaryWindow>("Form2");
    const QRect area = about->screen()->availableGeometry();
    about->move(movedTo);
    QTRY_VERIFY(area.contains(about->geometry()));
    about->move(area.right() - 50, 100);
    QCOMPARE(about->pos(), QPoint(area.right() - 50, 100));
    about->close();
}

// Moved by the player past the right edge, the ranking comes back whole when it is brought to the
// front again, and stays whole when it widens for the bows' columns.
void TestWindows::rankingWindowKeptWhole()
{
    form_->openRanking();
    auto *ranking = openWindow<ranking::RankingWindow>("RankingWindow");
    const QRect area = ranking->screen()->availableGeometry();
    ranking->move(area.right() - 100, area.top());
    form_->openRanking();
    QVERIFY(area.contains(ranking->frameGeometry()));
    ranking->resize(300, ranking->height());
    ranking->move(area.right() - 300, area.top());
    ranking->controls().bows->click();
    QTRY_VERIFY(ranking->width() > 300);
    QTRY_VERIFY(area.contains(ranking->frameGeometry()));
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
