#include "support.h"

#include <QAccessible>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

namespace {
QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}
} // namespace

// What a screen reader hears: every box named after its heading, in the language applied, and
// every pick-list's field after its designed text.
class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void boxesNamedAfterTheirHeadings();
};

void TestAccessibility::boxesNamedAfterTheirHeadings()
{
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const auto language : {std::optional<Language>(), std::optional(Language::English),
                                std::optional(Language::Italian)}) {
        if (language)
            form.applyLanguage(*language);
        for (const BoxHeading &heading : kForm1Headings)
            QCOMPARE(accessibleName(form.control(heading.box)), textOf(form, heading.label));
        for (Form1Control list : {Combo1, combo2, combo3})
            QCOMPARE(accessibleName(static_cast<QComboBox *>(form.control(list))->lineEdit()),
                     textOf(form, list));
    }
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
