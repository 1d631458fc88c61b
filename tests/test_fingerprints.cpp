#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"
#include "core/messages.h"
#include "main_window/mode_table.h"
#include "support.h"
#include "toolkit/fonts.h"
#include "windows/about_window.h"
#include "windows/instructions_window.h"

#include <QCryptographicHash>

using namespace harmtally;
using namespace harmtally::testing;

namespace {

QString figure(std::optional<int> value) { return value ? QString::number(*value) : "-"; }

QStringList melee()
{
    QStringList rows;
    for (const MeleeWeaponRecord &r : meleeWeapons())
        rows << QStringList{latin1(r.name), QString::number(r.minDamage),
                            QString::number(r.maxDamage), figure(r.strengthReq),
                            figure(r.hitsPerMinute)}
                    .join(u'|');
    return rows;
}

QStringList bowRows()
{
    QStringList rows;
    for (const BowRecord &r : bows())
        rows << QStringLiteral("%1|%2|%3|%4|%5")
                    .arg(latin1(r.name))
                    .arg(r.minDamage)
                    .arg(r.maxDamage)
                    .arg(r.strengthReq)
                    .arg(r.hitsPerMinute);
    for (const ArrowKind &k : arrowKinds())
        rows << QStringLiteral("%1|%2|%3|%4")
                    .arg(latin1(k.name))
                    .arg(k.levelRule)
                    .arg(k.minBonus)
                    .arg(k.maxBonus);
    return rows;
}

QStringList allMessages()
{
    return {messages::weaponNotFound(),    messages::bowNotFound(),
            messages::arrowKindNotFound(), messages::strengthOrSecondsMissing(),
            messages::invalidValue(),      messages::unknownRequirement(),
            messages::resultTooLarge()};
}

QStringList textTable()
{
    QStringList rows;
    for (const TextRow &row : kTextTable)
        rows << QStringLiteral("%1:%2|%3|%4|%5")
                    .arg(row.target.index())
                    .arg(std::visit([](auto id) { return int(id); }, row.target))
                    .arg(int(row.property))
                    .arg(textOf(row, Language::English), textOf(row, Language::Italian));
    return rows;
}

QStringList modeTable()
{
    QStringList rows;
    for (const ModeRow &row : kModeTable)
        rows << QStringLiteral("%1|%2|%3")
                    .arg(int(row.control))
                    .arg(int(row.melee))
                    .arg(int(row.bow));
    return rows;
}

template <class Window, class Row> QString shown(const Window &window, const Row &row)
{
    State state;
    addState(state, window, std::array{row});
    return state[window.control(row.id)->objectName()].join(u'|');
}

// A window as the player meets it: its frame, then every control as built, then the tab chain.
template <class Window, class Rows> QStringList built(const Window &window, const Rows &design)
{
    QStringList lines{QStringLiteral("%1|%2|%3,%4,%5x%6|%7|%8")
                          .arg(window.objectName(), window.windowTitle())
                          .arg(window.geometry().x())
                          .arg(window.geometry().y())
                          .arg(window.width())
                          .arg(window.height())
                          .arg(window.minimumSize() == window.maximumSize())
                          .arg(int(window.windowFlags()))};
    for (const auto &row : design) {
        const QWidget *w = window.control(row.id);
        const QFont f = w->font();
        const QRect g = w->geometry();
        lines << QStringList{w->objectName(),
                             w->metaObject()->className(),
                             w->parentWidget()->objectName(),
                             QStringLiteral("%1,%2,%3x%4")
                                 .arg(g.x())
                                 .arg(g.y())
                                 .arg(g.width())
                                 .arg(g.height()),
                             shown(window, row),
                             QStringLiteral("%1,%2,%3,%4")
                                 .arg(f.family())
                                 .arg(f.pointSizeF())
                                 .arg(f.bold())
                                 .arg(f.letterSpacing()),
                             w->palette().color(QPalette::WindowText).name(),
                             w->palette().color(QPalette::Base).name(),
                             w->palette().color(QPalette::Disabled, QPalette::Text).name()}
                     .join(u'|');
    }
    QStringList chain;
    const QWidget *w = &window;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != &window);
    return lines << chain.join(u',');
}

} // namespace

// Every constant table of the program, as it holds or builds it, reduced to a fingerprint that was
// checked once, cell by cell, against the design. Any edit to a row fails here; when an edit is
// meant, check the table against the design again, then take the new fingerprint.
class TestFingerprints : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::registerFonts(); }
    void tables_data();
    void tables();
};

void TestFingerprints::tables_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QByteArray>("fingerprint");
    Recorder recorder;
    const Form1 form(recorder.sink());
    const AboutWindow about(std::nullopt);
    const InstructionsWindow instructions(std::nullopt);
    const OptionsWindow options;
    QTest::newRow("melee weapons") << melee() << QByteArray("74200366eb614ed7");
    QTest::newRow("melee pick-list") << meleePickListItems() << QByteArray("6d97f96599cfcb87");
    QTest::newRow("bows and arrow kinds") << bowRows() << QByteArray("538949575e982b6e");
    QTest::newRow("bow and arrow pick-lists")
        << bowPickListItems() + arrowPickListItems() << QByteArray("0d155242f669a156");
    QTest::newRow("messages") << allMessages() << QByteArray("3559eda1ec31dd89");
    QTest::newRow("text table") << textTable() << QByteArray("7610077eaf9b45dc");
    QTest::newRow("mode table") << modeTable() << QByteArray("676a8d28ce7649be");
    QTest::newRow("Form1") << built(form, kForm1Controls) << QByteArray("dc3b13d3cd4c1399");
    QTest::newRow("Form2") << built(about, kAboutControls) << QByteArray("5c78a18468aa2f6c");
    QTest::newRow("Form3") << built(instructions, kInstructionsControls) << QByteArray("606408a00e9957d1");
    QTest::newRow("Form4") << built(options, kOptionsControls) << QByteArray("a0f5712437e14222");
}

void TestFingerprints::tables()
{
    QFETCH(QStringList, rows);
    const QByteArray hash
        = QCryptographicHash::hash(rows.join(u'\n').toUtf8(), QCryptographicHash::Sha256)
              .toHex()
              .left(16);
    if (qEnvironmentVariableIsSet("HARMTALLY_SHOW_TABLES"))
        qInfo().noquote() << rows.join(u'\n');
    QTEST(hash, "fingerprint");
}

QTEST_MAIN(TestFingerprints)
#include "test_fingerprints.moc"
