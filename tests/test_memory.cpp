#include "support.h"

#include <malloc.h>

using namespace harmtally;
using namespace harmtally::testing;
using enum Form1Control;

namespace {
// The bytes the program holds on its heap, once the windows closed so far are deleted: unlike the
// resident set, this does not move with the allocator's arenas or the pages the kernel lends.
qint64 heapBytes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
}
} // namespace

// Opening and closing a window hundreds of times leaves the heap where it was: what a window
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
    // The first openings fill Qt's caches (fonts, glyphs, styles) once: measure from after them.
    qint64 warm = 0;
    for (int i = 1; i <= 400; ++i) {
        press(form, opener);
        QCoreApplication::processEvents();
        for (const char *name : {"Form2", "Form3", "Form4"})
            if (auto *window = openWindow<SecondaryWindow>(name))
                window->close();
        QCOMPARE(windowsLeft(), QStringList{"Form1"});
        if (i == 50)
            warm = heapBytes();
    }
    const qint64 growth = heapBytes() - warm;
    QVERIFY2(growth < 256 * 1024, qPrintable(QString("%1 KiB more").arg(growth / 1024)));
}

QTEST_MAIN(TestMemory)
#include "test_memory.moc"
