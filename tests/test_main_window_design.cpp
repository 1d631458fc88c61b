#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "support.h"
#include "texts/messages.h"
#include "toolkit/fonts.h"

#include <QAbstractItemView>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

// What the fingerprint of the built window does not show: the picture, the icon, the pick-lists'
// behaviour, the first focus, and the keyboard and length rules of the boxes and buttons.
class TestMainWindowDesign : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::registerFonts(); }
    void init();
    void cleanup();
    void pictureAndIcon();
    void pickLists();
    void enterPressesOnlyTheFocusedButton_data();
    void enterPressesOnlyTheFocusedButton();
    void focusFollowsOnlyAFocusedButton();

private:
    Recorder recorder_;
    std::unique_ptr<MainWindow> form_;
};

void TestMainWindowDesign::init()
{
    form_ = std::make_unique<MainWindow>(recorder_.sink(), kEnglish);
    form_->show();
    QApplication::setActiveWindow(form_.get());
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    recorder_.messages.clear();
}

void TestMainWindowDesign::cleanup()
{
    form_.reset();
    QCOMPARE(windowsLeft(), QStringList());
}

void TestMainWindowDesign::pictureAndIcon()
{
    QCOMPARE(form_->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    // The picture covers the client area: no pixel of the plain window colour shows through.
    const QImage image = form_->grab().toImage();
    QVERIFY(image.pixelColor(330, 360) != form_->palette().color(QPalette::Window));
    QCOMPARE(QApplication::focusWidget(), form_->control(Command1));
}

// Every list holds its catalogue's items, shows its field text with no item selected, keeps what
// the player types as typed, and opens wide enough to show every item whole.
void TestMainWindowDesign::pickLists()
{
    const std::pair<Form1Control, QStringList> lists[] = {{Combo1, meleePickListItems()},
                                                          {combo2, bowPickListItems()},
                                                          {combo3, arrowPickListItems()}};
    for (const auto &[id, items] : lists) {
        auto *combo = static_cast<QComboBox *>(form_->control(id));
        QCOMPARE(combo->count(), items.size());
        QCOMPARE(combo->itemText(int(items.size()) - 1), items.last());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(combo->completer(), nullptr);
        combo->setEditText(QString(40000, u'x')); // no 32,767-character cut (the boxes: the walks)
        QCOMPARE(combo->currentText().size(), 40000);

        combo->setHidden(false);
        combo->showPopup();
        const QAbstractItemView *view = combo->view();
        int widest = 0;
        for (const QString &item : items)
            widest = std::max(widest, view->fontMetrics().horizontalAdvance(item));
        QVERIFY2(view->viewport()->width() > widest, qPrintable(combo->objectName()));
        combo->hidePopup();
    }
    QCOMPARE(form_->control(Combo1)->width(), 201); // the field keeps its designed width
}

void TestMainWindowDesign::enterPressesOnlyTheFocusedButton_data()
{
    QTest::addColumn<Form1Control>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("said");
    const QStringList weapon{messages::weaponNotFound()}, none;
    const int enter = Qt::Key_Return, keypad = Qt::KeypadModifier;
    QTest::newRow("Enter on OK") << Command1 << enter << 0 << weapon;
    QTest::newRow("keypad Enter on OK") << Command1 << int(Qt::Key_Enter) << keypad << weapon;
    QTest::newRow("Space on OK") << Command1 << int(Qt::Key_Space) << 0 << weapon;
    QTest::newRow("Ctrl+Enter on OK") << Command1 << enter << int(Qt::ControlModifier) << none;
    QTest::newRow("Alt+keypad Enter on OK")
        << Command1 << int(Qt::Key_Enter) << int(keypad | Qt::AltModifier) << none;
    QTest::newRow("Enter in a box") << Text2 << enter << 0 << none;
    QTest::newRow("Enter in a pick-list") << Combo1 << enter << 0 << none;
}

void TestMainWindowDesign::enterPressesOnlyTheFocusedButton()
{
    QFETCH(Form1Control, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, said);
    const State before = stateOf(*form_);
    form_->control(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(recorder_.messages, said);
    QCOMPARE(unexpected(before, stateOf(*form_)), QStringList());

    // The same in a secondary window: Enter on its focused close button closes it.
    press(*form_, Command6);
    const QWidget *instructions = openWindow<QWidget>("Form3");
    QVERIFY(instructions);
    QTest::keyClick(instructions->focusWidget(), Qt::Key_Return);
    QVERIFY(form_->isEnabled());
}

// A step that hides or disables its focused button moves the focus on (a mouse click focuses the
// button first; the walks), but a button pressed with the focus elsewhere, as an access key or
// click() presses it, leaves the focus where it was.
void TestMainWindowDesign::focusFollowsOnlyAFocusedButton()
{
    form_->applyMode(Mode::Bow);
    type(*form_, combo2, "Oak Longbow");
    form_->control(Text2)->setFocus();
    static_cast<QAbstractButton *>(form_->control(Command7))->click();
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Text2"));
}

QTEST_MAIN(TestMainWindowDesign)
#include "test_main_window_design.moc"
