#include "support.h"
#include "toolkit/fonts.h"

#include <QApplication>

using namespace harmtally;
using namespace harmtally::testing;
using toolkit::Kind;
using toolkit::Start;

class TestForm1Design : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::registerFonts(); }
    void windowAsDesigned();
    void controlsAsDesignedTable();
    void pickListsShowTheirFieldText();
    void tabOrderAndInitialFocus();
};

void TestForm1Design::windowAsDesigned()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QString("-.-.-.</[Harmtally]\\>.-.-."));
    QCOMPARE(form.geometry(), QRect(305, 185, 339, 368));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form.windowIcon().availableSizes().size(), 3);

    // The picture covers the client area: no pixel of the plain window colour shows through.
    const QImage image = form.grab().toImage();
    QVERIFY(image.pixelColor(330, 360) != form.palette().color(QPalette::Window));
}

void TestForm1Design::controlsAsDesignedTable()
{
    Form1 form;
    for (const auto &row : kForm1Controls) {
        const QWidget *w = form.control(row.id);
        QCOMPARE(w->objectName(), QString(row.name));
        QCOMPARE(w->parentWidget(), &form);
        QCOMPARE(w->geometry(),
                 QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        QCOMPARE(captionOf(w), QString::fromUtf8(row.caption));
        QCOMPARE(w->isHidden(), row.start == Start::Hidden);
        QCOMPARE(w->isEnabled(), row.kind != Kind::FigureBox);
        if (row.kind == Kind::Label) {
            const auto *label = static_cast<const QLabel *>(w);
            QVERIFY(label->wordWrap());
            QVERIFY(!label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::red));
        }
        if (row.kind == Kind::FigureBox)
            QVERIFY(w->font().bold());
        // The bundled faces are found, wherever the machine lacks the designed ones.
        if (row.font == toolkit::Font::Display)
            QCOMPARE(QFontInfo(w->font()).family(), QString("Berenika"));
    }
}

void TestForm1Design::pickListsShowTheirFieldText()
{
    Form1 form;
    const struct {
        Form1Control id;
        int items;
    } lists[]
        = {{Form1Control::Combo1, 267}, {Form1Control::combo2, 100}, {Form1Control::combo3, 6}};
    for (const auto &list : lists) {
        const auto *combo = static_cast<const QComboBox *>(form.control(list.id));
        QCOMPARE(combo->count(), list.items);
        QCOMPARE(combo->currentIndex(), -1);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(combo->completer(), nullptr);
    }
    QCOMPARE(textOf(form, Form1Control::Combo1), QString("Armi"));
}

void TestForm1Design::tabOrderAndInitialFocus()
{
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.control(Form1Control::Command1));

    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"Command1", "Combo1", "Text2", "Command4", "Command5", "Command6",
                                 "lingua", "Text6"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
}

QTEST_MAIN(TestForm1Design)
#include "test_form1_design.moc"
