#include "toolkit/save_file.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace harmtally;

// The ranking's export shows the ways a write fails before its last step (test_ranking_window);
// here the last step itself: the new file put in the old one's place.
class TestSaveFile : public QObject {
    Q_OBJECT
private slots:
    void lastStepRefused()
    {
        QTemporaryDir dir;
        QFile old(dir.filePath("out.csv"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        // An append-only folder takes new files but lets none replace another.
        if (QProcess::execute("chattr", {"+a", dir.path()}) != 0)
            QSKIP("this file system or user cannot make a folder append-only");
        const QString reason = toolkit::saveWhole(old.fileName(), "new");
        QProcess::execute("chattr", {"-a", dir.path()});
        QVERIFY2(!reason.isEmpty(), "a refused rename was reported as written");
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "old");
    }
};

QTEST_APPLESS_MAIN(TestSaveFile)
#include "test_save_file.moc"
