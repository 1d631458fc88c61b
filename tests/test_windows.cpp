#include "support.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/form4.h"
#include "windows/info_texts.h"
#include "windows/language_texts.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace harmtally;
using namespace harmtally::testing;

namespace {

// Windows still in existence: a closed window is gone once its deferred deletion has run.
int openCount(const char *name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String(name);
    return count;
}

bool checked(const Form4 &form, Form4Control id)
{
    return static_cast<QRadioButton *>(form.control(id))->isChecked();
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void infoWindowsAsDesigned();
    void mainWindowUnavailableWhileOpen_data();
    void mainWindowUnavailableWhileOpen();
    void languageTableBothWays();
    void optionsStartFromTheirDesign();
    void closingMainWindowEndsTheProgram();

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
    QCOMPARE(openCount("Form2") + openCount("Form3") + openCount("Form4"), 0);
}

void TestWindows::infoWindowsAsDesigned()
{
    press(*form_, Form1Control::Command6);
    auto *instructions = openWindow<Form3>("Form3");
    QVERIFY(instructions);
    QCOMPARE(instructions->geometry(), QRect(300, 208, 312, 206));
    QCOMPARE(instructions->windowTitle(), QString("Istruzioni"));
    QVERIFY(instructions->minimumSize() != instructions->maximumSize());
    QVERIFY(!(instructions->windowFlags() & Qt::WindowMinMaxButtonsHint));
    const auto *text = static_cast<QLabel *>(instructions->control(Form3Control::Label1));
    QCOMPARE(text->text(), QString::fromUtf8(kInstructionsDesigned));
    QCOMPARE(text->text().size(), 525);
    QCOMPARE(text->text().count(u'"'), 6);
    QVERIFY(text->wordWrap() && text->autoFillBackground());
    QCOMPARE(instructions->focusWidget(), instructions->control(Form3Control::Esci));
    static_cast<QPushButton *>(instructions->control(Form3Control::Esci))->click();

    press(*form_, Form1Control::Command5);
    auto *about = openWindow<Form2>("Form2");
    QVERIFY(about);
    QCOMPARE(about->geometry(), QRect(330, 192, 269, 260));
    QCOMPARE(about->windowTitle(), QString("About...."));
    const QString credits = captionOf(about->control(Form2Control::Label1));
    QCOMPARE(credits.size(), 558);
    QVERIFY(credits.contains(QString(33, u' ')) && credits.contains("harmtally@example.org"));
    QCOMPARE(about->control(Form2Control::Label2)->font().pointSizeF(), 14.25);
    about->Command1_Click();
}

void TestWindows::mainWindowUnavailableWhileOpen_data()
{
    QTest::addColumn<Form1Control>("opener");
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("About, button") << Form1Control::Command5 << QByteArray("Form2") << false;
    QTest::newRow("About, close box") << Form1Control::Command5 << QByteArray("Form2") << true;
    QTest::newRow("Instructions, button") << Form1Control::Command6 << QByteArray("Form3") << false;
    QTest::newRow("Instructions, close box")
        << Form1Control::Command6 << QByteArray("Form3") << true;
    QTest::newRow("options, button") << Form1Control::lingua << QByteArray("Form4") << false;
    QTest::newRow("options, close box") << Form1Control::lingua << QByteArray("Form4") << true;
}

void TestWindows::mainWindowUnavailableWhileOpen()
{
    QFETCH(Form1Control, opener);
    QFETCH(QByteArray, window);
    QFETCH(bool, byCloseBox);
    type(*form_, Form1Control::Text2, "30");
    const QStringList before = snapshot(*form_);

    press(*form_, opener);
    QVERIFY(!form_->isEnabled());
    QTest::mouseClick(form_->control(Form1Control::Command5), Qt::LeftButton);
    QCOMPARE(openCount(window) + openCount(window == "Form2" ? "Form3" : "Form2"), 1);

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
    QTRY_COMPARE(openCount(window), 0);
    QVERIFY(form_->isEnabled());
    QCOMPARE(snapshot(*form_), before);
}

// Every row of the table reaches its target, English then Italian then English again; the
// information windows take the language when they are next built.
void TestWindows::languageTableBothWays()
{
    for (Form4Control option :
         {Form4Control::Option1, Form4Control::Option2, Form4Control::Option1}) {
        const Language language
            = option == Form4Control::Option1 ? Language::English : Language::Italian;
        press(*form_, Form1Control::lingua);
        auto *options = openWindow<Form4>("Form4");
        static_cast<QRadioButton *>(options->control(option))->click();
        options->Command1_Click();
        const Form2 about(*form_);
        const Form3 instructions(*form_);
        for (const TextRow &row : kTextTable) {
            const QWidget *target = std::visit(
                [&](auto id) -> const QWidget * {
                    using Id = decltype(id);
                    if constexpr (std::is_same_v<Id, Form1Control>)
                        return form_->control(id);
                    else if constexpr (std::is_same_v<Id, Form2Control>)
                        return about.control(id);
                    else if constexpr (std::is_same_v<Id, Form3Control>)
                        return instructions.control(id);
                    else
                        return options->control(id);
                },
                row.target);
            QCOMPARE(captionOf(target), textOf(row, language));
        }
        QCOMPARE(about.windowTitle(), QString("About...."));
        QCOMPARE(captionOf(about.control(Form2Control::Label2)), QString("Harmtally 2.0.2"));
        options->Command2_Click();
    }
}

void TestWindows::optionsStartFromTheirDesign()
{
    applyOptions(*form_, Form4Control::Option1, Form4Control::archi);
    press(*form_, Form1Control::lingua);
    auto *options = openWindow<Form4>("Form4");
    QCOMPARE(options->geometry(), QRect(330, 238, 246, 251));
    QVERIFY(checked(*options, Form4Control::Option2) && checked(*options, Form4Control::armi));
    QCOMPARE(captionOf(options->control(Form4Control::armi)), QString("Armi"));
    QCOMPARE(options->control(Form4Control::armi)->parentWidget(),
             options->control(Form4Control::Tipo));
    for (int i = 1; i <= 7; ++i)
        QVERIFY(options->control(Form4Control(i))->isEnabled());
    static_cast<QRadioButton *>(options->control(Form4Control::Option1))->click();
    QVERIFY(checked(*options, Form4Control::armi)); // the two groups are independent

    // Changing at once, untouched, applies Italian and melee weapons.
    static_cast<QRadioButton *>(options->control(Form4Control::Option2))->click();
    options->Command1_Click();
    QVERIFY(!options->control(Form4Control::Option2)->isEnabled());
    QVERIFY(!options->control(Form4Control::armi)->isEnabled());
    QVERIFY(options->control(Form4Control::Option1)->isEnabled());
    QCOMPARE(textOf(*form_, Form1Control::Combo1), QString("Armi"));
    QVERIFY(!form_->control(Form1Control::Combo1)->isHidden());
    QVERIFY(form_->control(Form1Control::combo2)->isHidden());
    options->Command2_Click();
}

void TestWindows::closingMainWindowEndsTheProgram()
{
    press(*form_, Form1Control::Command5);
    QTimer::singleShot(0, form_.get(), [this] { form_->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
