#include "main_window/main_window.h"
#include "texts/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace harmtally;

// Lets the real error box open, as the player sees it, and answers it.
class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void showsOneModalCriticalBox();
};

void TestErrorBox::showsOneModalCriticalBox()
{
    MainWindow form(toolkit::showErrorBox, QLocale::system());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QString seen;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = QStringList{box->windowTitle(),
                           box->text(),
                           QString::number(int(box->icon()) == int(QMessageBox::Critical)),
                           QString::number(box->buttons().size()),
                           QString::number(box->standardButton(box->buttons().first())),
                           QString::number(box->isModal())}
                   .join(u'|');
        box->button(QMessageBox::Ok)->click();
    });
    static_cast<QPushButton *>(form.control(Form1Control::Command1))->click();
    QCOMPARE(seen, QStringList({"Error", messages::weaponNotFound(), "1", "1",
                                QString::number(QMessageBox::Ok), "1"})
                       .join(u'|'));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(form.control(Form1Control::Combo1)->isEnabled()); // nothing changed
}

QTEST_MAIN(TestErrorBox)
#include "test_error_box.moc"
