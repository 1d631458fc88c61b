#include "core/numbers.h"
#include "ranking/planning.h"
#include "ranking/records.h"
#include "ranking_window/ranking_table_model.h"
#include "ranking_window/ranking_window.h"
#include "texts/messages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>

#include <csignal>
#include <functional>
#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

using namespace harmtally;
using namespace harmtally::ranking;

// The window over the ranking (test_ranking): its header, filters, status line, keys and files.
class TestRankingWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        offered.clear();
        errors.clear();
        open(italian);
    }
    void cleanup() { window.reset(); }

    // A goal adds its columns, each cell the engine's answer for its row, ranked least first by
    // a click with the unknown last; no goal takes them away. Switched after the goal, "only what
    // I can wield" is answered too: a goal of 30 per hit is met below many a requirement.
    void goals_data()
    {
        QTest::addColumn<bool>("wieldable");
        QTest::newRow("every row") << false;
        QTest::newRow("only what I can wield") << true;
    }

    void goals()
    {
        QFETCH(bool, wieldable);
        const auto &c = window->controls();
        c.wieldable->setChecked(!wieldable);
        c.strength->setText("100");
        c.seconds->setText("60");
        c.goal->setCurrentIndex(int(GoalKind::FoeHealth));
        c.goalValue->setText("30");
        c.goal->setCurrentIndex(int(GoalKind::HitAtLeast));
        c.wieldable->setChecked(wieldable);
        const int first = int(kColumnCount);
        QCOMPARE(window->model().columnCount(), first + 2);
        QHeaderView *header = c.table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(first) + 5, header->height() / 2});
        double last = -1;
        for (int r = 0; r < window->model().rowCount(); ++r) {
            const auto needed
                = strengthNeeded(pickAt(Mode::Melee, row(r).order), Goal::HitAtLeast, 30,
                                 {Mode::Melee, "100", "60", ""}, wieldable, italian);
            QCOMPARE(window->model().index(r, first).data().toString(),
                     needed ? text(*needed, italian) : "");
            QVERIFY(needed.value_or(1e9) >= last);
            last = needed.value_or(1e9);
        }
        c.goal->setCurrentIndex(int(GoalKind::None));
        QCOMPARE(window->model().columnCount(), first);
        QVERIFY(!c.goalValue->isEnabled());
    }

    // Unknown figures stay last whichever way a header ranks; Arrows ranks by the arrow kind.
    void sortsByTheHeader_data()
    {
        QTest::addColumn<Column>("column");
        QTest::addColumn<int>("clicks"); // on its header
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QString>("ends"); // the first row and the last
        // clang-format off
        QTest::newRow("as opened") << Column::TotalMax << 0 << Qt::DescendingOrder << "Ancient Two-Handed Sword+3…Runed Halberd";
        QTest::newRow("requirement up") << Column::Requirement << 1 << Qt::AscendingOrder << "Rusted Dirk…Shadow Blade";
        QTest::newRow("requirement down") << Column::Requirement << 2 << Qt::DescendingOrder << "Ancient Two-Handed Sword…Shadow Blade";
        QTest::newRow("arrows up") << Column::ArrowKind << 1 << Qt::AscendingOrder << "Bone-Tipped Arrows…Wooden Arrows";
        QTest::newRow("damage best first") << Column::HitMax << 1 << Qt::DescendingOrder << "Ancient Broad Axe+3…Shadow Blade";
        QTest::newRow("arrows down") << Column::ArrowKind << 2 << Qt::DescendingOrder << "Wooden Arrows…Bone-Tipped Arrows";
        // clang-format on
    }

    void sortsByTheHeader()
    {
        QFETCH(Column, column);
        QFETCH(int, clicks);
        const auto &c = window->controls();
        const bool bows = column == Column::ArrowKind;
        c.bows->setChecked(bows);
        c.wieldable->setChecked(false);
        c.strength->setText("40");
        c.seconds->setText("30");
        QCOMPARE(c.table->isColumnHidden(int(Column::ArrowKind)), !bows);
        QHeaderView *header = c.table->horizontalHeader();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(
                header->viewport(), Qt::LeftButton, {},
                {header->sectionViewportPosition(int(column)) + 5, header->height() / 2});
        QTEST(header->sortIndicatorOrder(), "order");
        const int shown = int(bows ? Column::ArrowKind : Column::Name);
        QTEST(row(0).cells[shown] + "…" + row(window->model().rowCount() - 1).cells[shown], "ends");
    }

    void statusLine_data()
    {
        QTest::addColumn<bool>("bows");
        QTest::addColumn<QString>("strength");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("wieldable");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("rows"); // shown
        const QString refused = "269 armi — " + messages::strengthOrSecondsMissing();
        // clang-format off
        QTest::newRow("no strength yet: a hint") << false << "" << "5" << "" << true << "269 armi — Inserire la forza castata." << 269;
        QTest::newRow("no seconds yet") << false << "12" << "" << "" << true << "269 armi, 247 nascoste (247 oltre la tua forza) — Inserire i secondi." << 22;
        QTest::newRow("zero: the main window's refusal") << false << "0" << "5" << "" << false << refused << 269;
        QTest::newRow("accepted") << false << "12" << "5" << "" << false << "269 armi" << 269;
        QTest::newRow("search, any case") << false << "12" << "5" << "dIRK" << false << "269 armi, 263 nascoste (263 dalla ricerca)" << 6;
        QTest::newRow("wieldable, unknown kept") << false << "12" << "5" << "" << true << "269 armi, 247 nascoste (247 oltre la tua forza)" << 22;
        QTest::newRow("arrow kind searched, no level") << true << "100" << "5" << "pinPOINT" << true << "594 archi con frecce, 506 nascosti (495 dalla ricerca, 11 oltre la tua forza) — Trueshot Quiver senza cifre: inserire il livello Trueshot." << 88;
        // clang-format on
    }

    void statusLine()
    {
        QFETCH(bool, bows);
        QFETCH(QString, strength);
        QFETCH(QString, seconds);
        QFETCH(QString, search);
        QFETCH(bool, wieldable);
        const auto &c = window->controls();
        QVERIFY(c.wieldable->isChecked()); // as opened
        c.bows->setChecked(bows);
        c.strength->setText(strength);
        c.seconds->setText(seconds);
        c.search->setText(search);
        c.wieldable->setChecked(wieldable);
        QTEST(c.status->text(), "status");
        QTEST(window->model().rowCount(), "rows");
        QCOMPARE(c.level->isHidden(), !bows);
        // Refused: the names and figures stay, without results.
        QCOMPARE(row(0).cells[std::size_t(Column::TotalMax)].isEmpty(),
                 strength.toInt() == 0 || seconds.isEmpty());
        // Rows beyond the strength on view are greyed and say what they need.
        for (int r = 0; r < window->model().rowCount(); ++r) {
            const QString need = row(r).cells[std::size_t(Column::Requirement)];
            QCOMPARE(window->model().index(r, 0).data(Qt::ToolTipRole).toString(),
                     number(need, italian) > number(strength, italian).value_or(1e300)
                         ? "Richiede forza " + need
                         : QString());
        }
    }

    void offersTheCurrentRow_data()
    {
        QTest::addColumn<bool>("bows");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("reason"); // the main window's answer; none when it takes the row
        QTest::newRow("taken") << false << int(Qt::Key_Return) << QString();
        QTest::newRow("keypad Enter, a bow with its arrows") << true << int(Qt::Key_Enter) << "";
        QTest::newRow("refused") << false << int(Qt::Key_Return) << "Il calcolo è in corso";
    }

    void offersTheCurrentRow()
    {
        QFETCH(bool, bows);
        QFETCH(int, key);
        QFETCH(QString, reason);
        this->reason = reason;
        const auto &c = window->controls();
        c.bows->setChecked(bows);
        c.table->setCurrentIndex(c.table->model()->index(3, 2));
        QTest::keyClick(c.table, Qt::Key(key));
        QCOMPARE(offered.size(), 1);
        const auto &cells = row(3).cells;
        QCOMPARE(offered[0].name + '|' + offered[0].arrowKind, cells[0] + '|' + cells[1]);
        QCOMPARE(offered[0].mode, bows ? Mode::Bow : Mode::Melee);
        const QString chosen = "Scelta: " + cells[0] + (bows ? " + " + cells[1] : "");
        QVERIFY2(c.status->text().endsWith(reason.isEmpty() ? chosen : reason),
                 qPrintable(c.status->text()));
    }

    // The selection follows its rows through a new order, a search and new figures; Tab into
    // the table selects the row Enter would take, so Ctrl+C copies it.
    void selectionFollowsAndCopies()
    {
        const auto &c = window->controls();
        c.bows->setChecked(true);
        c.strength->setText("30");
        c.seconds->setText("2");
        for (int r : {1, 4})
            c.table->selectionModel()->select(c.table->model()->index(r, 0),
                                              QItemSelectionModel::Select
                                                  | QItemSelectionModel::Rows);
        const QList<std::size_t> orders{row(1).order, row(4).order};
        c.table->sortByColumn(int(Column::Name), Qt::AscendingOrder);
        c.wieldable->setChecked(false);
        c.strength->setText("31");
        QTest::keyClick(c.table, Qt::Key_C, Qt::ControlModifier);
        std::vector<Row> picked = window->model().visibleRows(); // copied as shown
        std::erase_if(picked, [&](const Row &r) { return !orders.contains(r.order); });
        QCOMPARE(copiedRows(), (QStringList{shown(picked[0]), shown(picked[1])}));

        c.table->setCurrentIndex({});
        c.goal->setFocus();
        QTest::keyClick(c.goal, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c.table);
        QTest::keyClick(c.table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copiedRows(), QStringList{shown(row(0))});
        // In a text box, Ctrl+C copies the box's selected text, or else every row on view.
        for (QLineEdit *box : {c.strength, c.seconds, c.level, c.search}) {
            box->setFocus();
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(copiedRows().size(), window->model().rowCount());
        }
        c.strength->selectAll();
        QTest::keyClick(c.strength, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "31");
    }

    // What the last action did leaves the status line at the next change of what is shown.
    void notesLeaveAtTheNextChange_data()
    {
        QTest::addColumn<int>("change");
        const char *changes[] = {"search", "wieldable", "goal", "goal value", "strength", "mode"};
        for (int i = 0; i < int(std::size(changes)); ++i)
            QTest::newRow(changes[i]) << i;
    }

    void notesLeaveAtTheNextChange()
    {
        QFETCH(int, change);
        const auto &c = window->controls();
        c.goal->setCurrentIndex(int(GoalKind::HitAtLeast));
        QTest::keyClick(c.table, Qt::Key_G, Qt::ControlModifier); // no rows selected to compare
        QVERIFY(c.status->text().endsWith("Selezionare da 2 a 4 righe da confrontare."));
        const std::function<void()> changes[]
            = {[&] { c.search->setText("a"); },     [&] { c.wieldable->toggle(); },
               [&] { c.goal->setCurrentIndex(2); }, [&] { c.goalValue->setText("7"); },
               [&] { c.strength->setText("7"); },   [&] { c.bows->toggle(); }};
        changes[change]();
        QVERIFY2(!c.status->text().contains("Selezionare"), qPrintable(c.status->text()));
    }

    // What the table shows is written, or nothing: a failed write leaves the old file whole and
    // is said in a message naming the file and the reason.
    void exports_data()
    {
        QTest::addColumn<QString>("name"); // as typed in the save dialog
        QTest::addColumn<int>("room");     // bytes a file may grow to; 0: no limit
        QTest::addColumn<QString>("reason");
        QTest::newRow("written") << "out.csv" << 0 << QString();
        QTest::newRow("a folder and a name with spaces and accents")
            << "città e più/più.csv" << 0 << QString();
        QTest::newRow("disk full, in the last flush") << "out.csv" << 100 << "File too large";
        QTest::newRow("no such folder") << "missing/out.csv" << 0 << "No such file or directory";
    }

    void exports()
    {
        QFETCH(QString, name);
        QFETCH(int, room);
        QFETCH(QString, reason);
        const auto &c = window->controls();
        c.bows->setChecked(true);
        c.strength->setText("100");
        c.seconds->setText("2");
        c.search->setText("long"); // fewer rows than the table has, fewer bytes than a buffer
        QTemporaryDir dir;
        QFile old(dir.filePath("out.csv"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        window->setFileNameAsker([&] {
            return ExportTarget{dir.filePath(name), CsvFormat::Program};
        });
        QVERIFY(QDir(dir.path()).mkpath("città e più"));
#ifdef Q_OS_WIN
        if (room)
            QSKIP("Windows has no limit on a file's size to fill a disk with");
#else
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit was{};
        getrlimit(RLIMIT_FSIZE, &was);
        const rlimit small{room ? rlim_t(room) : was.rlim_cur, was.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
#endif
        c.exportCsv->setFocus();
        QTest::keyClick(c.exportCsv, Qt::Key_Enter); // Enter presses the focused button
#ifndef Q_OS_WIN
        setrlimit(RLIMIT_FSIZE, &was);
#endif

        QFile written(dir.filePath(name));
        const QString path = QDir::toNativeSeparators(written.fileName());
        QCOMPARE(errors.size(), int(!reason.isEmpty()));
        QVERIFY(old.open(QIODevice::ReadOnly));
        if (reason.isEmpty()) {
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(written.readAll()),
                     rankingTable(window->model().visibleRows(), Mode::Bow, Format::Csv, italian));
            QVERIFY(c.status->text().endsWith(
                QString("Esportate %1 righe in %2").arg(window->model().rowCount()).arg(path)));
        } else {
            QCOMPARE(old.readAll(), "old");
            const QString failed = "Esportazione in " + path + " non riuscita: ";
#ifdef Q_OS_WIN // in Windows' own words
            QVERIFY(errors[0].startsWith(failed));
            QVERIFY(c.status->text().contains(failed));
#else
            QCOMPARE(errors[0], failed + reason + "/Could not export to " + path + ": " + reason);
            QVERIFY(c.status->text().endsWith(failed + reason));
#endif
        }
    }

    // Copy and export write the goal's columns after the ranking's (here of the two rows found),
    // unknown cells empty: the copy as the table shows them, the file for programs with the command
    // line's keys, the file for a spreadsheet with the captions and figures of an Italian one.
    void writesTheGoalColumns_data()
    {
        QTest::addColumn<GoalKind>("goal");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("exported");
        QTest::addColumn<QString>("spreadsheet");
        // clang-format off
        const QString tsv[] = {"Arma\tReq.\tColpi/min\tMin base\tMax base\tMin colpo\tMax colpo\tMin totale\tMax totale\t", "\nGoblin Blade\t53\t60\t22\t31\t31,5\t40,5\t1890\t2430\t", "\nGoblin Slayer\t97\t\t32\t62\t32,7\t62,7\t\t\t"};
        const QString csv[] = {"name,requirement,hitsPerMinute,baseMin,baseMax,hitMin,hitMax,totalMin,totalMax,", "\r\nGoblin Blade,53,60,22,31,31.5,40.5,1890,2430,", "\r\nGoblin Slayer,97,,32,62,32.7,62.7,,,"};
        const QString sheet[] = {"Arma;Req.;Colpi/min;Min base;Max base;Min colpo;Max colpo;Min totale;Max totale;", "\r\nGoblin Blade;53;60;22;31;\"31,5\";\"40,5\";1890;2430;", "\r\nGoblin Slayer;97;;32;62;\"32,7\";\"62,7\";;;"};
        QTest::newRow("every hit at least 60") << GoalKind::HitAtLeast
            << tsv[0] + "Forza necessaria\tPiù di ora" + tsv[1] + "243\t142,5" + tsv[2] + "237\t136,5\n"
            << csv[0] + "strengthNeeded,strengthMoreThanNow" + csv[1] + "243,142.5" + csv[2] + "237,136.5\r\n"
            << sheet[0] + "Forza necessaria;Più di ora" + sheet[1] + "243;\"142,5\"" + sheet[2] + "237;\"136,5\"\r\n";
        QTest::newRow("a foe with 283,5, no seconds without hits per minute") << GoalKind::FoeHealth
            << tsv[0] + "Colpi, al meglio\tColpi, al peggio\tSecondi, al meglio\tSecondi, al peggio" + tsv[1] + "7\t9\t7\t9" + tsv[2] + "5\t9\t\t\n"
            << csv[0] + "hitsToDefeatBest,hitsToDefeatWorst,secondsToDefeatBest,secondsToDefeatWorst" + csv[1] + "7,9,7,9" + csv[2] + "5,9,,\r\n"
            << sheet[0] + "\"Colpi, al meglio\";\"Colpi, al peggio\";\"Secondi, al meglio\";\"Secondi, al peggio\"" + sheet[1] + "7;9;7;9" + sheet[2] + "5;9;;\r\n";
        // clang-format on
    }

    void writesTheGoalColumns()
    {
        QFETCH(GoalKind, goal);
        const auto &c = window->controls();
        c.strength->setText("100,5");
        c.seconds->setText("60");
        c.search->setText("goblin");
        c.goal->setCurrentIndex(int(goal));
        c.goalValue->setText(goal == GoalKind::FoeHealth ? "283,5" : "60");
        c.table->selectAll();
        QTest::keyClick(c.table, Qt::Key_C, Qt::ControlModifier);
        QTEST(QGuiApplication::clipboard()->text(), "copied");
        QTemporaryDir dir;
        const auto exported = [&](CsvFormat format) {
            window->setFileNameAsker([&] {
                return ExportTarget{dir.filePath("goal.csv"), format};
            });
            c.exportCsv->click();
            QFile file(dir.filePath("goal.csv"));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        QTEST(exported(CsvFormat::Program), "exported");
        QTEST(exported(CsvFormat::Spreadsheet), "spreadsheet");
    }

    // The save dialog adds ".csv" to a name typed without it before it asks whether to replace
    // the file there; a file is replaced only when the player says yes. Its second file type
    // writes for programs.
    void asksBeforeReplacing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type"); // the file type chosen in the dialog
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("kept"); // report.csv's start, afterwards
        QTest::newRow("no: kept") << "report" << 0 << QMessageBox::No << QByteArray("old");
        QTest::newRow("yes: for a spreadsheet, UTF-8 said") << "report" << 0 << QMessageBox::Yes
                                                            << QByteArray("\xEF\xBB\xBF"
                                                                          "Arma;");
        QTest::newRow("yes: for programs")
            << "report.csv" << 1 << QMessageBox::Yes << QByteArray("name,");
    }

    void asksBeforeReplacing()
    {
        QFETCH(QString, typed);
        QFETCH(int, type);
        QFETCH(QMessageBox::StandardButton, answer);
        QTemporaryDir dir;
        QFile file(dir.filePath("report.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
        file.close();
        QString asked;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectNameFilter(dialog->nameFilters().value(type));
            dialog->selectFile(dir.filePath(typed));
            QTimer::singleShot(0, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(answer)->click();
                }
            });
            QMetaObject::invokeMethod(dialog, "accept"); // Enter on "Save"
            if (dialog->isVisible())
                dialog->reject();
        });
        window->controls().exportCsv->click();
        QVERIFY2(asked.startsWith("report.csv "), qPrintable(asked));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QFETCH(QByteArray, kept);
        QVERIFY2(content.startsWith(kept), content.left(20).constData());
    }

    // A spreadsheet in the player's locale reads every figure of the export as a number and the
    // rest as text: LibreOffice as it opens a CSV file, splitting at commas, semicolons and tabs.
    void spreadsheetReadsNumbers_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("language"); // LibreOffice's number for the locale
        QTest::newRow("Italian") << italian << 1040;
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << 1033;
    }

    void spreadsheetReadsNumbers()
    {
        const QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            QSKIP("no spreadsheet program here (soffice)");
        QFETCH(QLocale, locale);
        QFETCH(int, language);
        open(locale);
        const auto &c = window->controls();
        c.bows->setChecked(true);
        c.wieldable->setChecked(false);
        c.strength->setText(locale.toString(100.5));
        c.seconds->setText("60");
        c.search->setText("long"); // long bows, the Trueshot rows without figures
        c.goal->setCurrentIndex(int(GoalKind::FoeHealth));
        c.goalValue->setText(locale.toString(283.5));
        QCOMPARE(window->model().rowCount(), 90);
        QTemporaryDir dir;
        const QString csv = dir.filePath("ranking.csv");
        window->setFileNameAsker([&] { return ExportTarget{csv}; });
        c.exportCsv->click();
        QProcess spreadsheet;
        spreadsheet.start(
            office,
            {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
             "--headless", "--convert-to", "fods", "--outdir", dir.path(),
             QString("--infilter=Text - txt - csv (StarCalc):44/59/9,34,76,1,,%1").arg(language),
             csv});
        QVERIFY(spreadsheet.waitForFinished(100000));
        QFile sheet(dir.filePath("ranking.fods"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        // The cells as the table shows them and as the spreadsheet reads them: a number after '#'.
        const auto cell = [](const QString &text, std::optional<double> x) {
            return '|' + (x ? '#' + QString::number(*x, 'g', 15) : text);
        };
        QStringList shown, read;
        for (int r = -1; r < window->model().rowCount(); ++r) {
            shown.append(QString());
            for (int col = 0; col < window->model().columnCount(); ++col) {
                const QString text
                    = r < 0 ? window->model().headerData(col, Qt::Horizontal).toString()
                            : window->model().index(r, col).data().toString();
                shown.last() += cell(text, number(text, locale));
            }
        }
        for (QXmlStreamReader xml(&sheet); !xml.atEnd();) {
            xml.readNext();
            if (xml.isStartElement() && xml.qualifiedName() == u"table:table-row")
                read.append(QString());
            if (!xml.isStartElement() || xml.qualifiedName() != u"table:table-cell")
                continue;
            const auto a = xml.attributes();
            const bool figure = a.value("office:value-type") == u"float";
            read.last()
                += cell(figure
                            ? QString()
                            : xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed(),
                        figure ? std::optional(a.value("office:value").toDouble()) : std::nullopt)
                       .repeated(qMax(1, a.value("table:number-columns-repeated").toInt()));
        }
        static const QRegularExpression emptyAtTheEnd("\\|+$");
        for (QStringList *lines : {&read, &shown}) {
            lines->replaceInStrings(emptyAtTheEnd, {});
            lines->removeAll({});
        }
        QCOMPARE(read, shown);
    }

    void followsLanguageAndEscape()
    {
        window->setLanguage(Language::English);
        QCOMPARE(window->windowTitle(), "Rank weapons");
        QStringList captions;
        for (int column = 0; column < int(kColumnCount); ++column)
            captions << window->model().headerData(column, Qt::Horizontal).toString();
        QCOMPARE(captions.join('|'), "Weapon|Arrows|Str req.|Hits/min|Min base|Max base|"
                                     "Min per hit|Max per hit|Min total|Max total");
        const auto &c = window->controls();
        QVERIFY(c.status->text().startsWith("269 weapons — Enter strength"));
        c.search->setFocus();
        QTest::keyClicks(c.search, "dirk");
        QTest::keyClick(c.search, Qt::Key_Escape);
        QVERIFY(window->isVisible() && c.search->text().isEmpty());
        QTest::keyClick(c.search, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }

    // The main window's figures and mode; the focus where the player goes on.
    void startsFromTheMainWindow()
    {
        const auto &c = window->controls();
        window->startFrom(Mode::Bow, "", "9");
        QVERIFY(c.bows->isChecked() && c.seconds->text() == "9");
        QCOMPARE(QApplication::focusWidget(), c.strength);
        window->startFrom(Mode::Melee, "100", "");
        QVERIFY(c.melee->isChecked() && c.strength->text() == "100" && c.seconds->text() == "9");
        QCOMPARE(QApplication::focusWidget(), c.table);
        QCOMPARE(c.table->selectionModel()->selectedRows(),
                 QModelIndexList{c.table->model()->index(0, 0)});
        window->startFrom(Mode::Bow, "", "");
        QCOMPARE(c.strength->text() + '|' + c.seconds->text(), "100|9");
    }

    // Tab goes through the window as it reads, row by row from the top, each row from the left,
    // and Shift+Tab back; each stop named.
    void tabFollowsTheWindow_data()
    {
        QTest::addColumn<bool>("bows");
        QTest::addColumn<QString>("stops");
        // clang-format off
        QTest::newRow("melee") << false << "Armi da mischia|Solo quelle che posso usare|Forza castata|Secondi|Cerca|Obiettivo|Classifica|Esporta CSV…";
        QTest::newRow("bows, a goal") << true << "Archi|Solo quelle che posso usare|Forza castata|Secondi|Livello Trueshot|Cerca|Obiettivo|Valore dell'obiettivo|Classifica|Esporta CSV…";
        // clang-format on
    }

    void tabFollowsTheWindow()
    {
        QFETCH(bool, bows);
        const auto &c = window->controls();
        c.bows->setChecked(bows);
        c.goal->setCurrentIndex(bows ? 1 : 0);
        (bows ? c.bows : c.melee)->setFocus();
        QStringList stops;
        QRect last;
        for (QWidget *w = QApplication::focusWidget(); stops.size() < 20;) {
            stops << (w->accessibleName().isEmpty()
                          ? QString(w->property("text").toString()).remove('&')
                          : w->accessibleName());
            const QRect at(w->mapTo(window.get(), QPoint()), w->size());
            QVERIFY2(last.isNull() || at.top() >= last.bottom()
                         || (at.left() > last.right() && at.top() < last.bottom()),
                     qPrintable(stops.join('|')));
            last = at;
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
            if (w == (bows ? c.bows : c.melee))
                break;
        }
        QTEST(stops.join('|'), "stops");
    }

    // Placed beside the main window, it stays there at its size whichever the mode, the table
    // scrolling, and the search box keeps room for a name.
    void staysBesideInEitherMode()
    {
        QWidget main;
        main.setGeometry(0, 0, 160, 300);
        main.show();
        window->placeBeside(main);
        const QRect placed = window->frameGeometry();
        QVERIFY(!placed.intersects(main.frameGeometry()));
        const auto &c = window->controls();
        for (QRadioButton *mode : {c.bows, c.melee, c.bows}) {
            mode->click();
            QCoreApplication::processEvents();
            QCOMPARE(window->frameGeometry(), placed);
            QVERIFY(c.search->width() >= 12 * c.search->fontMetrics().averageCharWidth());
        }
    }

    void placedBeside_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("placed");
        // The window wants 600 x 500 and needs at least 400 x 300, on a 1000 x 700 screen.
        QTest::newRow("right") << QRect(10, 20, 340, 380) << QRect(350, 20, 600, 500);
        QTest::newRow("right, narrowed") << QRect(100, 300, 340, 380) << QRect(440, 200, 560, 500);
        QTest::newRow("right, just the least width")
            << QRect(10, 20, 590, 380) << QRect(600, 20, 400, 500);
        QTest::newRow("left") << QRect(640, 20, 340, 380) << QRect(40, 20, 600, 500);
        QTest::newRow("below") << QRect(350, 0, 340, 380) << QRect(350, 380, 600, 320);
        QTest::newRow("no room: over it") << QRect(350, 250, 340, 380) << QRect(0, 200, 600, 500);
    }

    void placedBeside()
    {
        QFETCH(QRect, main);
        QTEST(besideWindow(main, {600, 500}, {400, 300}, {0, 0, 1000, 700}), "placed");
        QVERIFY(QRect(0, 0, 1000, 700)
                    .contains(besideWindow(main, {3000, 900}, {400, 300}, {0, 0, 1000, 700})));
    }

    void placedBelow_data()
    {
        QTest::addColumn<double>("room"); // under the other window, in the window's heights
        QTest::addColumn<bool>("below");
        QTest::newRow("two thirds of its height") << 0.7 << true;
        QTest::newRow("less: over the other") << 0.45 << false;
    }

    // With no room at either side, below only where two thirds of the table show. Activated
    // before the window manager has framed it, the window stays where it was since moved.
    void placedBelow()
    {
        QFETCH(double, room);
        RankingWindow unframed(Language::Italian, italian, {}, {});
        const QRect area = unframed.screen()->availableGeometry();
        QWidget other;
        other.setGeometry(area.adjusted(0, 0, 0, -int(unframed.height() * room)));
        unframed.placeBeside(other);
        QTEST(unframed.geometry().top() > other.geometry().bottom(), "below");
        unframed.move(area.topLeft() + QPoint(5, 5));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&unframed, &activate);
        QCOMPARE(unframed.pos(), area.topLeft() + QPoint(5, 5));
    }

private:
    void open(const QLocale &locale)
    {
        window = std::make_unique<RankingWindow>(
            Language::Italian, locale, [this](QWidget *, const QString &e) { errors << e; },
            [this](const Choice &c) {
                offered << c;
                return reason;
            });
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    const Row &row(int r) const { return window->model().rowAt(r); }
    // A bow row by its name and arrows, as the first two cells of a copied line.
    static QString shown(const Row &row) { return row.cells[0] + u'\t' + row.cells[1]; }
    static QStringList copiedRows()
    {
        QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty())
            lines.removeFirst(); // the header
        for (QString &line : lines)
            line = line.section(u'\t', 0, 1);
        return lines;
    }

    const QLocale italian{QLocale::Italian, QLocale::Italy}; // figures with a comma
    std::unique_ptr<RankingWindow> window;
    QList<Choice> offered;
    QStringList errors;
    QString reason; // what the main window answers an offer
};

QTEST_MAIN(TestRankingWindow)
#include "test_ranking_window.moc"
