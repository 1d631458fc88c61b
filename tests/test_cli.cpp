#include "cli/command_line.h"
#include "core/messages.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace harmtally;

namespace {
// The program as a shell starts it on a machine without any display; whether it loaded Qt
// Widgets, as the dynamic loader tells.
cli::Outcome run(const QStringList &arguments, const QString &locale, bool &widgets)
{
    QTemporaryDir loader;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    environment.insert(QStringLiteral("LD_DEBUG_OUTPUT"), loader.filePath("ld"));
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LC_NUMERIC"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HARMTALLY_PROGRAM), arguments);
    const qint64 pid = process.waitForStarted() ? process.processId() : 0;
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, {}}; // a crash or an abort: no status at all
    QFile log(loader.filePath("ld.%1").arg(pid));
    if (!log.open(QIODevice::ReadOnly))
        return {-2, {}, {}}; // no word from the loader: nothing to judge by
    widgets = log.readAll().contains("libQt6Widgets");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

// What calc computes is the ranking's and the main window's (test_same_figures); here, what a
// shell sees: the output streams, the exit status and the locale of the environment.
class TestCli : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // with lines, how the second line starts
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("lines"); // 0: the output in full
        // Status 0 prints the text on stdout; 1 and 2 on stderr, 2 with where to look for help.
        const auto add = [](const char *tag, const QStringList &arguments, int status, QString text,
                            int lines = 0, const char *locale = "en_US.UTF-8") {
            if (status == 2)
                text = "harmtally: " + text + "\nTry 'harmtally --help' for the commands.";
            QTest::newRow(tag) << arguments << locale << status << (status ? "" : text)
                               << (status ? text + u'\n' : "") << lines;
        };
        const QStringList rank{"rank", "--strength", "100", "--seconds", "60"};
        // clang-format off
        add("Italian", {"calc", "Rusted Dirk", "--seconds", "10", "--strength", "33,0"}, 0, "7,6\t10,6\t83,6\t116,6\n", 0, "it_IT.UTF-8");
        add("version", {"--version"}, 0, "harmtally 2.0.2\n");
        add("melee list", {"list"}, 0, "Rusted Dirk+1", 267);
        add("bow list", {"list", "--bows"}, 0, "Ashwood Flatbow+1", 100);
        add("arrows", {"list", "--arrows"}, 0, "Pinpoint Arrows", 6);
        add("rank", rank, 0, "Ancient Two-Handed Sword+3 ", 270);
        add("wieldable", rank + QStringList{"--wieldable"}, 0, "Fine Steel Mace+3 ", 121);
        add("bows csv", rank + QStringList{"--bows", "--level", "10", "--format", "csv"}, 0, "Black Locust Composite Bow+3,Quiver of Stability,", 595);
        add("json", rank + QStringList{"--format", "json"}, 0, "  {\"name\": \"Ancient Two-Handed Sword+3\", \"requirement\": ", 271);
        add("help", {"--help"}, 0, "Without a command", 17);
        add("no display, no command", {}, 1, messages::noDisplay());
        add("no such weapon", {"calc", "Rusted", "--strength", "5", "--seconds", "5"}, 1, messages::weaponNotFound());
        add("no such bow", {"calc", "Oak", "--arrows", "Wooden Arrows", "--strength", "5", "--seconds", "5"}, 1, messages::bowNotFound());
        add("no such arrows", {"calc", "Oak Longbow", "--arrows", "Wooden", "--strength", "5", "--seconds", "5"}, 1, messages::arrowKindNotFound());
        add("rank refused", {"rank", "--strength", "x", "--seconds", "5"}, 1, messages::invalidValue());
        add("unknown command", {"rnak"}, 2, "unknown command 'rnak'");
        add("unknown option", {"list", "--swords"}, 2, "unknown option '--swords'");
        add("missing value", {"rank", "--seconds", "5", "--strength"}, 2, "--strength needs a value");
        add("missing seconds", {"calc", "Rusted Dirk", "--strength", "5"}, 2, "calc needs --strength and --seconds");
        add("level, no bows", rank + QStringList{"--level", "3"}, 2, "--level goes with --bows");
        add("bad format", rank + QStringList{"--format", "xml"}, 2, "--format is text, csv or json");
        add("bows and arrows", {"list", "--bows", "--arrows"}, 2, "list --bows or list --arrows, not both");
        add("window and more", {"--rank-window", "list"}, 2, "'--rank-window' cannot be used here");
        // clang-format on
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, out);
        QFETCH(int, lines);
        bool widgets = true;
        const cli::Outcome result = run(arguments, locale, widgets);
        QCOMPARE(widgets, arguments.isEmpty()); // only the window loads Qt Widgets
        QTEST(result.err, "err");
        QTEST(result.status, "status");
        if (lines == 0)
            QCOMPARE(result.out, out);
        QTEST(lines ? int(result.out.count(u'\n')) : 0, "lines");
        QVERIFY2(!lines || result.out.section(u'\n', 1, 1).startsWith(out),
                 qPrintable(result.out.left(300)));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
