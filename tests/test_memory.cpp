#include "support.h"

#include <fstream>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

namespace {
long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}
} // namespace

// Opening and closing a window hundreds of times leaves the memory where it was: what a window
// allocates goes with it. Run on a real X server, where each window also gets an icon and a
// frame of its own.
class TestMemory : public QObject {
    Q_OBJECT
private slots:
    void flatOverOpenings_data();
    void flatOverOpenings();
};

void TestMemory::flatOverOpenings_data()
{
    QTest::addColumn<Form1Control>("opener");
    QTest::newRow("About") << Command5;
    QTest::newRow("Instructions") << Command6;
    QTest::newRow("language and mode") << lingua;
}

void TestMemory::flatOverOpenings()
{
#ifdef HARMTALLY_SANITIZED
    QSKIP("the address sanitizer keeps freed memory back on purpose");
#endif
    QFETCH(Form1Control, opener);
    Recorder recorder;
    MainWindow form(recorder.sink(), kEnglish);
    form.show();
    long afterTwenty = 0;
    for (int i = 1; i <= 400; ++i) {
        press(form, opener);
        QCoreApplication::processEvents();
        for (const char *name : {"Form2", "Form3", "Form4"})
            if (auto *window = openWindow<SecondaryWindow>(name))
                window->close();
        QCOMPARE(windowsLeft(), QStringList{"Form1"});
        if (i == 20)
            afterTwenty = residentKiB();
    }
    QVERIFY2(residentKiB() - afterTwenty < 1024,
             qPrintable(QString("%1 KiB more").arg(residentKiB() - afterTwenty)));
}

QTEST_MAIN(TestMemory)
#include "test_memory.moc"
