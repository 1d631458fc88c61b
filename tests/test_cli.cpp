#include "core/messages.h"

#include <QProcess>
#include <QTest>

using namespace harmtally;

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void misuseGivesStatus2_data();
    void misuseGivesStatus2();
    void printsLines_data();
    void printsLines();
};

namespace {
struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program as a shell starts it on a machine without any display.
Run run(const QStringList &arguments, const QString &locale = QStringLiteral("en_US.UTF-8"))
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LC_NUMERIC"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HARMTALLY_PROGRAM), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QStringList dirk{"calc", "Rusted Dirk", "--seconds", "10", "--strength"};
const QStringList oak{"calc", "Oak Longbow", "--strength", "57", "--seconds", "7", "--arrows"};
const QStringList rank{"rank", "--strength", "100", "--seconds", "60"};
} // namespace

void TestCli::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const auto add = [](const char *tag, const QStringList &arguments, const QString &out,
                        const QString &err = {}, const char *locale = "en_US.UTF-8") {
        QTest::newRow(tag) << arguments << locale << (err.isEmpty() ? 0 : 1) << out
                           << (err.isEmpty() ? err : err + u'\n');
    };
    add("English", dirk + QStringList{"33"}, "7.6\t10.6\t83.6\t116.6\n");
    add("Italian", dirk + QStringList{"33,0"}, "7,6\t10,6\t83,6\t116,6\n", {}, "it_IT.UTF-8");
    add("hits unknown", {"calc", "Goblin Slayer", "--strength=100", "--seconds=60"},
        "32.6\t62.6\t\t\n");
    add("Trueshot", oak + QStringList{"Trueshot Quiver", "--level", "25"},
        "114.7\t151.7\t802.9\t1061.9\n");
    add("version", {"--version"}, "harmtally 2.0.2\n");
    add("no such weapon", {"calc", "Rusted", "--strength", "5", "--seconds", "5"}, {},
        messages::weaponNotFound());
    add("no such bow",
        {"calc", "Oak", "--arrows", "Wooden Arrows", "--strength", "5", "--seconds", "5"}, {},
        messages::bowNotFound());
    add("no such arrows", oak + QStringList{"Wooden"}, {}, messages::arrowKindNotFound());
    add("Trueshot, no level", oak + QStringList{"Trueshot Quiver"}, {}, messages::invalidValue());
    add("strength 0", dirk + QStringList{"0"}, {}, messages::strengthOrSecondsMissing());
    add("requirement unknown", {"calc", "Chaotic Sword", "--strength", "5", "--seconds", "5"}, {},
        messages::unknownRequirement());
    add("too large", dirk + QStringList{"1e308"}, {}, messages::resultTooLarge());
    add("rank refused", {"rank", "--strength", "x", "--seconds", "5"}, {},
        messages::invalidValue());
}

void TestCli::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    const Run result = run(arguments, locale);
    QTEST(result.err, "err");
    QTEST(result.out, "out");
    QTEST(result.status, "status");
}

void TestCli::misuseGivesStatus2_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown command") << QStringList{"rnak"};
    QTest::newRow("unknown option") << QStringList{"list", "--swords"};
    QTest::newRow("missing value") << QStringList{"rank", "--seconds", "5", "--strength"};
    QTest::newRow("missing seconds") << QStringList{"calc", "Rusted Dirk", "--strength", "5"};
    QTest::newRow("level, no bows") << rank + QStringList{"--level", "3"};
    QTest::newRow("bad format") << rank + QStringList{"--format", "xml"};
    QTest::newRow("bows and arrows") << QStringList{"list", "--bows", "--arrows"};
    QTest::newRow("window and more") << QStringList{"--rank-window", "list"};
}

void TestCli::misuseGivesStatus2()
{
    QFETCH(QStringList, arguments);
    const Run result = run(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.startsWith("harmtally: "), qPrintable(result.err));
    QCOMPARE(result.out, QString());
}

void TestCli::printsLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("second"); // how the second line starts: after the header, if any
    QTest::newRow("melee list") << QStringList{"list"} << 267 << "Rusted Dirk+1";
    QTest::newRow("bow list") << QStringList{"list", "--bows"} << 100 << "Ashwood Flatbow+1";
    QTest::newRow("arrows") << QStringList{"list", "--arrows"} << 6 << "Pinpoint Arrows";
    QTest::newRow("rank") << rank << 270 << "Ancient Two-Handed Sword+3 ";
    QTest::newRow("wieldable") << rank + QStringList{"--wieldable"} << 121 << "Fine Steel Mace+3 ";
    QTest::newRow("bows csv") << rank + QStringList{"--bows", "--level", "10", "--format", "csv"}
                              << 595 << "Black Locust Composite Bow+3,Quiver of Stability,";
    QTest::newRow("help") << QStringList{"--help"} << 17 << "Without a command";
}

void TestCli::printsLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, second);
    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    QTEST(int(result.out.count(u'\n')), "lines");
    QVERIFY2(result.out.section(u'\n', 1, 1).startsWith(second), qPrintable(result.out.left(300)));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
