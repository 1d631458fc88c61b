#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/typed_names.h"
#include "cli/command_line.h"
#include "core/numbers.h"
#include "ranking/ranking.h"
#include "texts/messages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace harmtally;

namespace {
// The program as a shell starts it on a machine without any display (with LC_ALL=en_US.UTF-8
// unless environment says otherwise); whether it loaded Qt Widgets, as the dynamic loader tells.
cli::Outcome run(const QStringList &arguments, const QStringList &environment, bool &widgets,
                 const QString &program = HARMTALLY_PROGRAM)
{
    QTemporaryDir loader;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL",
                             "LC_MESSAGES", "LC_NUMERIC", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString &entry :
         environment.isEmpty() ? QStringList{"LC_ALL=en_US.UTF-8"} : environment)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    env.insert(QStringLiteral("LD_DEBUG_OUTPUT"), loader.filePath("ld"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    const qint64 pid = process.waitForStarted() ? process.processId() : 0;
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, {}}; // a crash or an abort: no status at all
    QFile log(loader.filePath("ld.%1").arg(pid));
    widgets = log.open(QIODevice::ReadOnly) && log.readAll().contains("libQt6Widgets");
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

using ranking::Column;
const QLocale c = QLocale::c();

// A choice's figure by the program's own computation, at a whole or typed strength.
double figure(const QJsonObject &choice, const QString &strength, const QString &seconds,
              const QString &level, Column column)
{
    const QString name = choice["name"].toString(), arrows = choice["arrows"].toString();
    const ranking::Inputs in{Mode::Melee, strength == "0" ? "+0" : strength, seconds, level};
    const ranking::Row row
        = arrows.isEmpty()
              ? ranking::meleeRow(findMeleeWeapon(name) - meleeWeapons().data(), in, c).row
              : ranking::bowRow(findBow(name) - bows().data(),
                                findArrowKind(arrows) - arrowKinds().data(), in, c)
                    .row;
    return number(row.cells[std::size_t(column)], c).value_or(qQNaN());
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
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>(
            "out"); // with lines, how the second line (or with a line, the output) starts
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("lines"); // 0: the output in full
        // Status 0 prints the text on stdout; 1 and 2 one line on stderr, 2 with the help hint.
        const auto add = [](const char *tag, const QStringList &arguments, int status, QString text,
                            int lines = 0, const QStringList &environment = {}) {
            const char *hint = status == 2 && !text.contains("--help'")
                                   ? " ('harmtally --help' lists the commands)"
                                   : "";
            if (status)
                text = (text.startsWith("Harmtally ") ? text : "harmtally: " + text + hint) + u'\n';
            QTest::newRow(tag) << arguments << environment << status << (status ? "" : text)
                               << (status ? text : "") << lines;
        };
        const QStringList rank{"rank", "--strength", "100", "--seconds", "60"};
        const QStringList dirk{"calc", "Rusted Dirk", "--seconds", "10"};
        const QString dirkFigures = "7.6\t10.6\t83.6\t116.6\n";
        const QStringList flatbow{"calc",      "Elm Flatbow", "--strength", "57",
                                  "--seconds", "7",           "--arrows"};
        // clang-format off
#ifndef Q_OS_WIN // Windows formats numbers as its settings say, whatever LC_ALL says
        add("Italian", {"calc", "Rusted Dirk", "--seconds", "10", "--strength", "33,0"}, 0, "7,6\t10,6\t83,6\t116,6\n", 0, {"LC_ALL=it_IT.UTF-8"});
#endif
        add("version", {"--version"}, 0, "harmtally 2.0.2\n");
        add("difference as written", {"compare", "Rusted Dirk", "Wooden Club+3", "--strength", "10", "--seconds", "7", "--format=csv"}, 0, "name,arrows,requirement,hitsPerMinute,baseMin,baseMax,hitMin,hitMax,totalMin,totalMax,totalMaxDifference,totalMaxDifferencePercent,perStrengthPointTotal\r\nRusted Dirk,,0,66,1,4,3,6,23.1,46.2,0,0,1.54\r\nWooden Club+3,,0,50,3,6,5,8,29.1666666666667,46.6666666666667,0.4666666666667,1.01010101010108,1.16666666666667\r\n\r\nahead,behind,measure,strength,fromStrength\r\nRusted Dirk,Wooden Club+3,totalMax,11.25,12\r\nRusted Dirk,Wooden Club+3,totalMin,26.25,27\r\n");
        add("melee list", {"list"}, 0, "Rusted Dirk+1", 269);
        add("bow list", {"list", "--bows"}, 0, "Ashwood Flatbow+1", 99);
        add("arrows", {"list", "--arrows"}, 0, "Pinpoint Arrows", 6);
        add("rank", rank, 0, "Ancient Two-Handed Sword+3 ", 270);
        add("wieldable", rank + QStringList{"--wieldable"}, 0, "Fine Steel Mace+3 ", 121);
        add("bows csv", rank + QStringList{"--bows", "--level=10", "--format", "csv"}, 0, "Black Locust Composite Bow+3,Quiver of Stability,", 595);
        add("bows without a level", rank + QStringList{"--bows"}, 0, "Black Locust Composite Bow+3  Quiver of Stability ", 595);
        add("json", rank + QStringList{"--format=json"}, 0, "  {\"name\": \"Ancient Two-Handed Sword+3\", \"requirement\": ", 271);
        add("help", {"--help"}, 0, "       harmtally COMMAND [OPTIONS]", 48);
        add("-h", {"-h"}, 0, "       harmtally COMMAND [OPTIONS]", 48);
        add("-h after a command", {"calc", "-h"}, 0, "       harmtally COMMAND [OPTIONS]", 48);
        add("name=value", dirk + QStringList{"--strength=33"}, 0, dirkFigures);
        add("-- ends the options", {"calc", "--strength", "33", "--seconds", "10", "--", "Rusted Dirk"}, 0, dirkFigures);
        add("case and blanks", {"calc", "  rusted   DIRK", "--strength", "33", "--seconds", "10"}, 0, dirkFigures);
        add("negative value", dirk + QStringList{"--strength", "-5"}, 0, "0\t3\t0\t33\n");
        add("-h as a value", dirk + QStringList{"--strength", "-h"}, 1, "--strength is not a number: '-h'");
        add("Trueshot", flatbow + QStringList{"trueshot quiver", "--level", "-5"}, 0, "18.9\t26.9\t33.075\t47.075\n");
#ifndef Q_OS_WIN // a Windows program always has its desktop
        add("no display, no command", {}, 1, messages::noDisplay());
        add("Qt's options", {"-style", "fusion", "--rank-window"}, 1, messages::noDisplay());
#endif
        add("close names", {"calc", "Rusted Dirk+", "--strength", "5", "--seconds", "5"}, 1, "no weapon or bow is named 'Rusted Dirk+'; did you mean 'Rusted Dirk', 'Rusted Dirk+1' or 'Rusted Dirk+2'?");
        add("nothing close", {"calc", "Zweihander", "--strength", "5", "--seconds", "5"}, 1, "no weapon or bow is named 'Zweihander'; 'harmtally list' shows the names");
        add("no such arrows", flatbow + QStringList{"Wooden"}, 1, "no arrow kind is named 'Wooden'; did you mean 'Wooden Arrows'?");
        add("zero", dirk + QStringList{"--strength", "0"}, 1, "--strength needs a number other than 0");
        add("repeated option", rank + QStringList{"--seconds", "x"}, 2, "--seconds given twice");
        add("rank refused", {"rank", "--strength", "5", "--seconds", "1,5"}, 1, "--seconds is not a number: '1,5'");
        add("rank, seconds 0", {"rank", "--strength", "5", "--seconds", "0"}, 1, "--seconds needs a number other than 0");
        add("unknown requirement", {"calc", "Shadow Blade", "--strength", "5", "--seconds", "5"}, 1, "the strength requirement of 'Shadow Blade' is unknown: no damage to compute");
        add("level unused", flatbow + QStringList{"Wooden Arrows", "--level", "3"}, 1, "--level is only for 'Trueshot Quiver', not for 'Wooden Arrows'");
        add("level missing", flatbow + QStringList{"Trueshot Quiver"}, 1, "'Trueshot Quiver' needs --level, its level");
        add("level unreadable", flatbow + QStringList{"Trueshot Quiver", "--level", "x"}, 1, "--level is not a number: 'x'");
        add("too large", dirk + QStringList{"--strength", "1e308"}, 1, "the result is too large");
        add("bow, no arrows", {"calc", "elm flatbow", "--strength", "5", "--seconds", "5"}, 2, "'Elm Flatbow' is a bow: calc needs --arrows with its arrow kind");
        add("melee, arrows", dirk + QStringList{"--strength", "5", "--arrows", "Wooden Arrows"}, 2, "'Rusted Dirk' is a melee weapon: it takes no --arrows");
        add("melee, level", dirk + QStringList{"--strength", "5", "--level", "2"}, 2, "'Rusted Dirk' is a melee weapon: it takes no --level");
        add("two names", dirk + QStringList{"--strength", "5", "Bo"}, 2, "calc takes one weapon or bow name");
        add("unknown command", {"rnak"}, 2, "unknown command 'rnak'");
        add("unknown option", {"list", "--swords"}, 2, "unknown option '--swords'");
        add("flag with a value", {"list", "--bows=yes"}, 2, "--bows takes no value");
        add("missing value", {"rank", "--seconds", "5", "--strength"}, 2, "--strength needs a value");
        add("missing seconds", {"calc", "Rusted Dirk", "--strength", "5"}, 2, "calc needs --strength and --seconds");
        add("level, no bows", rank + QStringList{"--level", "3"}, 2, "--level goes with --bows");
        add("bad format", rank + QStringList{"--format", "xml"}, 2, "--format is text, csv or json");
        add("one choice", {"compare", "Bo", "--strength", "5", "--seconds", "5"}, 2, "compare takes 2 to 4 choices");
        add("bow, no slash", {"compare", "Bo", "elm flatbow", "--strength", "5", "--seconds", "5"}, 2, "'Elm Flatbow' is a bow: write BOW/ARROWS, as in 'Elm Flatbow/Wooden Arrows'");
        add("path, no range", {"path", "--from", "3"}, 2, "path needs --from and --to");
        add("path, half strength", {"path", "--from", "3", "--to", "4.5"}, 1, "--to needs a whole strength from 0 to 1000000");
        add("path, not a number", {"path", "--from", "x", "--to", "4"}, 1, "--from is not a number: 'x'");
        add("path, another's option", {"path", "--strength", "3"}, 2, "--strength is not an option of path");
        add("path, level, no bows", {"path", "--level", "3", "--from", "1", "--to", "2"}, 2, "--level goes with --bows");
        add("path, level beyond 15 digits", {"path", "--bows", "--level", "99.99999999", "--from", "1000000", "--to", "1000000"}, 1, "with --level 99.99999999 the figures' 15 digits cannot tell some choices apart from --from to --to");
        add("five choices", {"compare", "Bo", "Rusted Dirk", "Rusted Dirk+1", "Rusted Dirk+2", "Wooden Club+3", "--strength", "5", "--seconds", "5"}, 2, "compare takes 2 to 4 choices");
        add("first bow, no slash", {"compare", "Bo", "Ashwood Flatbow", "--strength", "5", "--seconds", "5"}, 2, "'Ashwood Flatbow' is a bow: write BOW/ARROWS, as in 'Ashwood Flatbow/Wooden Arrows'");
        add("melee with arrows", {"compare", "Bo", "rusted dirk/Pinpoint Arrows", "--strength", "5", "--seconds", "5"}, 2, "'Rusted Dirk' is a melee weapon, not a bow: write it without '/Pinpoint Arrows'");
        add("no such arrows for a bow", {"compare", "Bo", "Elm Flatbow/Wooden", "--strength", "5", "--seconds", "5"}, 1, "no arrow kind is named 'Wooden'; did you mean 'Wooden Arrows'?");
        add("same choice twice", {"compare", "Bo", "bo", "--strength", "5", "--seconds", "5"}, 2, "'Bo' given twice: compare takes different choices");
        add("level no choice uses", {"compare", "Bo", "Elm Flatbow/Wooden Arrows", "--strength", "5", "--seconds", "5", "--level", "3"}, 1, "--level is only for 'Trueshot Quiver', which no choice has");
        add("Trueshot choice, no level", {"compare", "Bo", "Elm Flatbow/Trueshot Quiver", "--strength", "5", "--seconds", "5"}, 1, "'Trueshot Quiver' needs --level, its level");
        add("--from alone", {"compare", "Bo", "Rusted Dirk", "--strength", "5", "--seconds", "5", "--from", "2000"}, 2, "--from is above 1000, where the range ends without --to");
        add("--to alone", {"compare", "Bo", "Rusted Dirk", "--strength", "5", "--seconds", "5", "--to", "-3"}, 2, "--to is below 0, where the range starts without --from");
        add("range beyond the limit", {"compare", "Bo", "Rusted Dirk", "--strength", "5", "--seconds", "5", "--to", "1e10"}, 1, "--to needs a strength from -1000000000 to 1000000000");
        add("crossing at both ends", {"compare", "Rusted Dirk", "Wooden Club+3", "--strength", "10", "--seconds", "60", "--from", "11.25", "--to", "11.25", "--format=csv"}, 0, "Rusted Dirk,", 6);
#ifndef Q_OS_WIN // Windows formats numbers as its settings say, whatever LC_ALL says
        add("compare, per cent to a tenth", {"compare", "Rusted Dirk", "Wooden Club+3", "--strength", "10", "--seconds", "60"}, 0,
            "Weapon         Arrows  Str req.  Hits/min  Min base  Max base  Min per hit  Max per hit  Min total  Max total  Max total diff.  Diff. %  Max total per str. point\n"
            "Rusted Dirk                   0        66         1         4            3            6        198        396                0        0                      13,2\n"
            "Wooden Club+3                 0        50         3         6            5            8        250        400                4        1                        10\n\n"
            "Ahead        Behind         Measure   Crossing  Ahead from\n"
            "Rusted Dirk  Wooden Club+3  totalMax     11,25          12\n"
            "Rusted Dirk  Wooden Club+3  totalMin     26,25          27\n", 0, {"LC_ALL=it_IT.UTF-8"});
#endif
        add("goal, English captions", rank + QStringList{"--wieldable", "--goal-hit", "150"}, 0,
            "Weapon                         Str req.  Hits/min  Min base  Max base  Min per hit  Max per hit  Min total  Max total  Str needed  More than now\n"
            "Staff of Hope                       100        40        90       129           90          129       3600       5160         400            300\n", 121, {"LC_ALL=it_IT.UTF-8"});
        add("goal, no trailing blanks", rank + QStringList{"--wieldable", "--goal-hit", "5"}, 0,
            "Weapon                         Str req.  Hits/min  Min base  Max base  Min per hit  Max per hit  Min total  Max total  Str needed  More than now\n"
            "Drachenstaff                          0        40        14        22           34           42       1360       1680           0\n", 121);
        add("two goals", rank + QStringList{"--goal-hit", "3", "--foe-health", "9"}, 2, "--goal-hit, --goal-total and --foe-health: one at most");
        add("no foe", rank + QStringList{"--foe-health", "0"}, 1, "--foe-health needs a number above 0");
        add("bows and arrows", {"list", "--bows", "--arrows"}, 2, "list --bows or list --arrows, not both");
        add("window and more", {"--rank-window", "list"}, 2, "--rank-window goes alone");
        add("LANG", {"rnak"}, 2, "comando sconosciuto 'rnak' ('harmtally --help' elenca i comandi)", 0, {"LANG=it_IT.UTF-8"});
        add("LC_MESSAGES first", {"rnak"}, 2, "unknown command 'rnak'", 0, {"LANG=it_IT.UTF-8", "LC_MESSAGES=C"});
        add("LC_ALL first", {"rnak"}, 2, "comando sconosciuto 'rnak' ('harmtally --help' elenca i comandi)", 0, {"LC_ALL=it_IT", "LC_MESSAGES=C"});
        // clang-format on
    }

    void planning_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList at{"--strength", "100", "--seconds",    "7",
                             "--level",    "4",   "--format=json"};
        // clang-format off
        QTest::newRow("path") << QStringList{"path", "--from", "0", "--to", "300", "--format=json"};
        QTest::newRow("path, bows, min") << QStringList{"path", "--bows", "--level", "4", "--from", "20", "--to", "160", "--by", "min", "--format=json"};
        QTest::newRow("compare") << QStringList{"compare", "Fine Steel Dagger+3", "Polished Hand Axe+3", "Elm Flatbow/Trueshot Quiver", "Skull Dagger", "--from", "-1e5", "--to", "1e5"} + at;
        QTest::newRow("compare, bases below 0") << QStringList{"compare", "Elm Flatbow/Trueshot Quiver", "Fine Steel Dagger+3", "--from", "-1000", "--to", "0", "--strength", "100", "--seconds", "7", "--level", "-300", "--format=json"};
        QTest::newRow("goal hit") << QStringList{"rank", "--bows", "--goal-hit", "123.4"} + at;
        QTest::newRow("goal total") << QStringList{"rank", "--goal-total", "2000", "--strength", "100", "--seconds", "7", "--format=json"};
        QTest::newRow("goal met where wieldable") << QStringList{"rank", "--wieldable", "--goal-hit", "5", "--strength", "100", "--seconds", "7", "--format=json"};
        QTest::newRow("foe") << QStringList{"rank", "--foe-health", "2500.5", "--strength", "100", "--seconds", "7", "--format=json"};
        // clang-format on
    }

    // Each answer against a brute force on the program's own figures.
    void planning()
    {
        QFETCH(QStringList, arguments);
        bool widgets = true;
        const cli::Outcome result = run(arguments, {}, widgets);
        QCOMPARE(result.status, 0);
        const QJsonDocument json = QJsonDocument::fromJson(result.out.toUtf8());
        const qsizetype l = arguments.indexOf("--level");
        const QString level = l < 0 ? "" : arguments[l + 1];
        const auto f = [&](const QJsonValue &choice, double s, Column column) {
            return figure(choice.toObject(), text(s, c), "7", level, column);
        };
        if (arguments[0] == "path") {
            int s = arguments[arguments.indexOf("--from") + 1].toInt();
            const Column total = arguments.contains("min") ? Column::TotalMin : Column::TotalMax;
            for (const QJsonValue band : json.array()) {
                QCOMPARE(band["from"].toInt(), s);
                QCOMPARE(band["arrows"].isNull(), !arguments.contains("--bows"));
                for (; s <= band["to"].toInt(); ++s) {
                    const Mode mode = arguments.contains("--bows") ? Mode::Bow : Mode::Melee;
                    const auto table
                        = ranking::compute({mode, s ? text(s, c) : "+0", "7", level}, c);
                    double most = -1e300;
                    QString best;
                    for (const auto &row : table.rows) {
                        const double t = number(row.cells[std::size_t(total)], c).value_or(-1e300);
                        if (number(row.cells[2], c).value_or(1e9) <= s && t > most)
                            std::tie(most, best) = std::pair(t, row.cells[0] + row.cells[1]);
                    }
                    QCOMPARE(band["name"].toString() + band["arrows"].toString(), best);
                }
            }
            QCOMPARE(s - 1, arguments[arguments.indexOf("--to") + 1].toInt());
        } else if (arguments[0] == "compare") {
            const QJsonArray choices = json["choices"].toArray();
            int pairs = 0;
            for (qsizetype i = 0; i < choices.size(); ++i) {
                const double total = f(choices[i], 100, Column::TotalMax);
                QCOMPARE(choices[i]["totalMax"].toDouble(), total);
                QCOMPARE(choices[i]["totalMaxDifference"].toDouble(),
                         total - f(choices[0], 100, Column::TotalMax));
                QCOMPARE(choices[i]["perStrengthPointTotal"].toDouble(),
                         f(choices[i], 101, Column::TotalMax) - total);
                for (qsizetype j = i + 1; j < choices.size(); ++j)
                    pairs += 2 * (choices[i]["hitsPerMinute"] != choices[j]["hitsPerMinute"]);
            }
            QCOMPARE(json["crossovers"].toArray().size(), pairs);
            for (const QJsonValue x : json["crossovers"].toArray()) {
                const auto choice = [&](const char *key) {
                    const QStringList name = x[key].toString().split('/');
                    return QJsonObject{{"name", name[0]}, {"arrows", name.value(1)}};
                };
                const Column m = x["measure"] == "totalMin" ? Column::TotalMin : Column::TotalMax;
                const int from = x["fromStrength"].toInt();
                QVERIFY(f(choice("ahead"), from, m) > f(choice("behind"), from, m));
                QVERIFY(f(choice("ahead"), from - 1, m) <= f(choice("behind"), from - 1, m));
                QVERIFY(from - 1 <= x["strength"].toDouble() && x["strength"].toDouble() < from);
            }
        } else {
            const bool foe = arguments.contains("--foe-health");
            const double goal
                = arguments[1 + arguments.indexOf(QRegularExpression("--goal.*|--foe.*"))]
                      .toDouble();
            const Column c = arguments.contains("--goal-hit") ? Column::HitMin : Column::TotalMin;
            double last = 0;
            for (const QJsonValue row : json.array()) {
                const double key
                    = row[foe ? "secondsToDefeatBest" : "strengthNeeded"].toDouble(1e300);
                QVERIFY(key >= last); // least first, unknown last
                last = key;
                if (foe && row["hitMax"].toDouble() > 0) {
                    const double hits = row["hitsToDefeatBest"].toDouble(),
                                 hit = row["hitMax"].toDouble();
                    QVERIFY(hits * hit >= goal && (hits - 1) * hit < goal);
                    if (!row["hitsPerMinute"].isNull())
                        QCOMPARE(key, 60 * goal / (hit * row["hitsPerMinute"].toDouble()));
                } else if (!foe && !row["strengthNeeded"].isNull()) {
                    const int s = row["strengthNeeded"].toInt();
                    const int lowest
                        = arguments.contains("--wieldable") ? row["requirement"].toInt() : 0;
                    QVERIFY(s >= lowest && f(row, s, c) >= goal);
                    QVERIFY(s == lowest || f(row, s - 1, c) < goal);
                    // Empty (null) when already met.
                    QCOMPARE(row["strengthMoreThanNow"],
                             s > 100 ? QJsonValue(s - 100) : QJsonValue());
                }
            }
        }
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, out);
        QFETCH(int, lines);
        bool widgets = true;
        const cli::Outcome result = run(arguments, environment, widgets);
        QCOMPARE(widgets, arguments.isEmpty() || arguments[0] == "-style"); // only the windows
        QTEST(result.err, "err");
        QTEST(result.status, "status");
        if (lines == 0)
            QCOMPARE(result.out, out);
        QTEST(lines ? int(result.out.count(u'\n')) : 0, "lines");
        QVERIFY2(!lines
                     || (out.contains(u'\n') ? result.out : result.out.section(u'\n', 1, 1))
                            .startsWith(out),
                 qPrintable(result.out.left(300)));
    }

    // Names the catalogues do not have: two that differ only in case and blanks; and names just
    // as far from the typed one as a suggestion may be (two edits, or a third of its length).
    void names_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found"); // -1: none
        QTest::addColumn<QStringList>("closest");
        QTest::newRow("exact first") << "a  b" << 1 << QStringList{};
        QTest::newRow("two alike") << "A  b" << -1 << QStringList{"A B", "a  b", "Ab"};
        QTest::newRow("one alike") << " ab " << 2 << QStringList{};
        QTest::newRow("two edits away") << "xy" << -1 << QStringList{"Ab"};
        QTest::newRow("a third away") << "abcdefxyz" << -1 << QStringList{"Abcdefghi"};
    }

    void names()
    {
        QFETCH(QString, typed);
        const NameMatch match = matchName({"A B", "a  b", "Ab", "Abcdefghi"}, typed);
        QTEST(int(match.found.value_or(-1)), "found");
        QTEST(match.closest, "closest");
    }

    // Through bash, the program as $0: where its output goes, and what it says.
    void failures_data()
    {
#ifdef Q_OS_WIN
        QSKIP("through bash, /dev/full and signals, which Windows has not");
#else
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        const QString rank = "\"$0\" rank --strength 100 --seconds 60";
        const QString late = "{ sleep 1; exec \"$0\" list; } | true; exit ${PIPESTATUS[0]}";
        // clang-format off
        QTest::newRow("full disk") << rank + " >/dev/full" << 1 << "harmtally: cannot write the output: No space left on device\n";
        QTest::newRow("closed output") << rank + " >&-" << 1 << "harmtally: cannot write the output: Bad file descriptor\n";
        QTest::newRow("short write") << "f=$(mktemp); trap '' XFSZ; ulimit -f 1; " + rank + " >\"$f\"; s=$?; rm \"$f\"; exit $s" << 1 << "harmtally: cannot write the output: File too large\n";
        QTest::newRow("pipe, SIGPIPE") << late << 128 + SIGPIPE << "";
        QTest::newRow("pipe, EPIPE") << "trap '' PIPE; " + late << 1 << "";
        QTest::newRow("no windows' library") << "d=$(mktemp -d /tmp/harmtally.XXXXXX); cp \"$0\" \"$d\"; \"$d/harmtally\" 2>&1 | sed \"s|$d|D|; s/ (.*//\" >&2; s=${PIPESTATUS[0]}; rm -r \"$d\"; exit $s"
            << 1 << "harmtally: the windows' library is missing, looked for D/libharmtally-windows.so and /tmp/lib/x86_64-linux-gnu/harmtally/libharmtally-windows.so\n";
        // clang-format on
#endif
    }

    void failures()
    {
        QFETCH(QString, script);
        QProcess bash;
        bash.start("bash", {"-c", script, HARMTALLY_PROGRAM});
        QVERIFY(bash.waitForFinished(10000));
        QTEST(QString::fromUtf8(bash.readAllStandardError()), "err");
        QTEST(bash.exitCode(), "status");
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
