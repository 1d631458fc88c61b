#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"
#include "main_window/mode_table.h"
#include "support.h"
#include "texts/messages.h"
#include "toolkit/fonts.h"
#include "windows/about_window.h"
#include "windows/instructions_window.h"

#include <QCryptographicHash>

using namespace harmtally;
using namespace harmtally::testing;

namespace {

QString field(const QString &text) { return text; }
QString field(std::string_view text) { return latin1(text); }
QString field(const char *text) { return QString::fromUtf8(text); }
QString field(std::optional<int> figure) { return figure ? QString::number(*figure) : "-"; }
template <class Number> QString field(Number number) { return QString::number(number); }
QString field(QRect r)
{
    return QStringLiteral("%1,%2,%3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
QString field(const QFont &f)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(f.family())
        .arg(f.pointSizeF())
        .arg(f.bold())
        .arg(f.letterSpacing());
}
// One row of a table, its fields in order.
template <class... Fields> QString line(const Fields &...fields)
{
    return QStringList{field(fields)...}.join(u'|');
}

QStringList catalogues()
{
    QStringList rows;
    for (const MeleeWeaponRecord &r : meleeWeapons())
        rows << line(r.name, r.minDamage, r.maxDamage, r.strengthReq, r.hitsPerMinute);
    for (const BowRecord &r : bows())
        rows << line(r.name, r.minDamage, r.maxDamage, r.strengthReq, r.hitsPerMinute);
    for (const ArrowKind &k : arrowKinds())
        rows << line(k.name, int(k.levelRule), k.minBonus, k.maxBonus);
    return rows;
}

QStringList languageAndModeTables()
{
    QStringList rows;
    for (const TextRow &row : kTextTable)
        rows << line(int(row.target.index()),
                     std::visit([](auto id) { return int(id); }, row.target), int(row.property),
                     row.text.in(Language::English), row.text.in(Language::Italian));
    for (const ModeRow &row : kModeTable)
        rows << line(int(row.control), int(row.melee), int(row.bow));
    return rows;
}

// A window as the player meets it: its frame, then every control as built, then the tab chain.
template <class Window, class Rows> QStringList built(const Window &window, const Rows &design)
{
    QStringList lines{line(window.objectName(), window.windowTitle(), window.geometry(),
                           int(window.minimumSize() == window.maximumSize()),
                           int(window.windowFlags()))};
    for (const auto &row : design) {
        const QWidget *w = window.control(row.id);
        const QPalette &p = w->palette();
        lines << line(w->objectName(), w->metaObject()->className(),
                      w->parentWidget()->objectName(), w->geometry(), seen(w, &window).join(u'|'),
                      w->font(), p.color(QPalette::WindowText).name(),
                      p.color(QPalette::Base).name(),
                      p.color(QPalette::Disabled, QPalette::Text).name());
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
    const MainWindow form(recorder.sink(), kEnglish);
    const AboutWindow about(std::nullopt);
    const InstructionsWindow instructions(std::nullopt);
    const OptionsWindow options;
    QTest::newRow("catalogues") << catalogues() << QByteArray("49edd7c084f17ce0");
    QTest::newRow("pick-lists") << meleePickListItems() + bowPickListItems() + arrowPickListItems()
                                << QByteArray("fdbef50e17caf415");
    QTest::newRow("messages")
        << QStringList{messages::weaponNotFound(),    messages::bowNotFound(),
                       messages::arrowKindNotFound(), messages::strengthOrSecondsMissing(),
                       messages::invalidValue(),      messages::unknownRequirement(),
                       messages::resultTooLarge(),    messages::noDisplay()}
        << QByteArray("87b7bec0434d8046");
    QTest::newRow("language and mode tables")
        << languageAndModeTables() << QByteArray("0e81288372c55073");
    QTest::newRow("Form1") << built(form, kForm1Controls) << QByteArray("dc3b13d3cd4c1399");
    QTest::newRow("Form2") << built(about, kAboutControls) << QByteArray("5c78a18468aa2f6c");
    QTest::newRow("Form3") << built(instructions, kInstructionsControls)
                           << QByteArray("606408a00e9957d1");
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
