#include "plan_window/plan_window.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "core/numbers.h"
#include "plan_window/chart.h"
#include "toolkit/designed_window.h"
#include "toolkit/save_file.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStringListModel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace harmtally::plan {
namespace {

using ranking::Pick;

constexpr Bilingual kTitle{.italian = "Confronta e pianifica", .english = "Compare and plan"};
constexpr Bilingual kNameLabel{.italian = "Scelta da a&ggiungere:", .english = "Add a c&hoice:"};
constexpr Bilingual kNameHint{.italian = "arma, o arco/frecce", .english = "weapon, or bow/arrows"};
constexpr Bilingual kAdd{.italian = "&Aggiungi", .english = "&Add"};
constexpr Bilingual kInputs[] = {
    {.italian = "&Forza castata:", .english = "Boosted s&trength:"},
    {.italian = "&Secondi:", .english = "&Seconds:"},
    {.italian = "&Livello Trueshot:", .english = "Trueshot &level:"},
    {.italian = "Grafico &da:", .english = "Chart &from:"},
    {.italian = "fin&o a:", .english = "t&o:"},
};
constexpr Bilingual kCopy{.italian = "&Copia tabella", .english = "&Copy table"};
constexpr Bilingual kSave{.italian = "Salva &immagine…", .english = "Save &image…"};
constexpr Bilingual kRemove{.italian = "Togli %1", .english = "Remove %1"};
constexpr Bilingual kChartName{.italian = "Grafico: danno in base alla forza castata",
                               .english = "Chart: damage by boosted strength"};
constexpr Bilingual kTableName{.italian = "Confronto", .english = "Comparison"};
constexpr Bilingual kSentencesName{.italian = "Incroci", .english = "Crossings"};
constexpr Bilingual kNoCrossing{.italian = "Nessun incrocio nell'intervallo del grafico.",
                                .english = "No crossing within the chart's range."};
constexpr Bilingual kAtStrength{.italian = "Alla forza %1:", .english = "At strength %1:"};
constexpr Bilingual kNoCursor{.italian = "Forza castata non valida.",
                              .english = "No readable boosted strength."};
constexpr Bilingual kOverSeconds{.italian = "in %1 s: %2 – %3", .english = "over %1 s: %2 – %3"};
constexpr Bilingual kPerHit{.italian = "per colpo: %1 – %2", .english = "per hit: %1 – %2"};
constexpr Bilingual kBandsTitle{.italian = "Il migliore a ogni forza del grafico",
                                .english = "Best at each strength of the chart"};
constexpr Bilingual kMelee{.italian = "Armi da &mischia", .english = "&Melee"};
constexpr Bilingual kBows{.italian = "A&rchi", .english = "&Bows"};
constexpr Bilingual kByMinimum{.italian = "per il mi&nimo", .english = "by the minim&um"};
constexpr Bilingual kTakeBand{.italian = "Me&tti a confronto", .english = "Add to compa&rison"};
constexpr Bilingual kBand{.italian = "da %1 a %2: %3", .english = "%1 to %2: %3"};
constexpr Bilingual kNoBand{.italian = "Nessuna scelta usabile in questo intervallo.",
                            .english = "Nothing can be wielded in this range."};
constexpr Bilingual kTooWide{.italian = "Intervallo troppo ampio: al più %1 punti di forza.",
                             .english = "Range too wide: %1 strength points at most."};
constexpr double kMaxBandSpan = 10000;
constexpr Bilingual kAdded{.italian = "Aggiunta: %1", .english = "Added: %1"};
constexpr Bilingual kFull{.italian = "Già quattro scelte: togline una prima.",
                          .english = "Four choices already: remove one first."};
constexpr Bilingual kTwice{.italian = "%1 è già nel confronto.",
                           .english = "%1 is compared already."};
constexpr Bilingual kUnknown{.italian = "Nessuna arma né arco/frecce si chiama «%1».",
                             .english = "No weapon or bow/arrows is named “%1”."};
constexpr Bilingual kBowAlone{.italian = "Scegli anche le frecce: «%1/…».",
                              .english = "Name its arrows too: “%1/…”."};
constexpr Bilingual kCopied{.italian = "Tabella copiata.", .english = "Table copied."};
constexpr Bilingual kSaved{.italian = "Immagine salvata in %1", .english = "Image saved to %1"};
constexpr Bilingual kSaveTitle{.italian = "Salva immagine", .english = "Save image"};
constexpr Bilingual kSaveName{.italian = "confronto.png", .english = "comparison.png"};
constexpr Bilingual kEnterInputs{.italian = "Inserire forza e secondi.",
                                 .english = "Enter strength and seconds."};

// The error box speaks both languages in one text, as every message of the program does.
QString saveFailed(const QString &path, const QString &reason)
{
    return QStringLiteral("Immagine non salvata in %1: %2/The image was not saved to %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The marker's shape as a character, for the words beside the chart.
QString markerSign(std::size_t slot)
{
    switch (slotMarker(slot)) {
    case Marker::Circle:
        return QStringLiteral("●");
    case Marker::Square:
        return QStringLiteral("■");
    case Marker::Triangle:
        return QStringLiteral("▲");
    case Marker::Diamond:
        break;
    }
    return QStringLiteral("◆");
}

QPixmap markerPixmap(std::size_t slot, const QColor &edge)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(slotColour(slot));
    drawMarker(p, slotMarker(slot), QPointF(8, 8), 11);
    return pixmap;
}

QString spoken(const QString &caption) { return QString(caption).remove(u'&').remove(u':'); }

bool needsLevel(const Pick &pick)
{
    return pick.mode == Mode::Bow && arrowKinds()[pick.arrowKind].levelRule;
}

} // namespace

PlanWindow::PlanWindow(Language language, const QLocale &locale, toolkit::MessageSink sink)
    : QWidget(nullptr, Qt::Window)
    , language_(language)
    , locale_(locale)
    , sink_(std::move(sink))
    , askFileName_([this] { return askSaveFileName(); })
{
    setObjectName(QStringLiteral("PlanWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(toolkit::programIcon());
    // Room for the chart and the table, within the screen's room.
    resize(QSize(1040, 820).boundedTo(screen()->availableGeometry().size() - QSize(40, 60)));
    buildControls();
    setLanguage(language);
}

PlanWindow::~PlanWindow() = default;

void PlanWindow::buildControls()
{
    nameLabel_ = new QLabel;
    c_.name = new QLineEdit;
    c_.name->setClearButtonEnabled(true);
    QStringList names;
    for (std::size_t i = 0; i < meleeWeapons().size(); ++i)
        names << pickName(ranking::pickAt(Mode::Melee, i));
    for (std::size_t i = 0; i < bows().size() * arrowKinds().size(); ++i)
        names << pickName(ranking::pickAt(Mode::Bow, i));
    names.removeDuplicates();
    auto *completer = new QCompleter(names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    c_.name->setCompleter(completer);
    nameLabel_->setBuddy(c_.name);
    c_.add = new QPushButton;
    chips_ = new QHBoxLayout;

    auto *choices = new QHBoxLayout;
    choices->addWidget(nameLabel_);
    choices->addWidget(c_.name, 1);
    choices->addWidget(c_.add);
    choices->addSpacing(24);

    c_.strength = new QLineEdit;
    c_.seconds = new QLineEdit;
    c_.level = new QLineEdit;
    c_.from = new QLineEdit;
    c_.to = new QLineEdit;
    c_.copy = new QPushButton;
    c_.saveImage = new QPushButton;
    auto *inputs = new QHBoxLayout;
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level, c_.from, c_.to}) {
        box->setMaximumWidth(80);
        auto *label = new QLabel;
        label->setBuddy(box);
        inputLabels_.push_back(label);
        if (box == c_.from)
            inputs->addSpacing(20);
        inputs->addWidget(label);
        inputs->addWidget(box);
    }
    inputs->addStretch();
    choices->addWidget(c_.copy);
    choices->addWidget(c_.saveImage);

    c_.chart = new Chart(locale_);
    c_.readout = new QLabel;
    c_.readout->setTextFormat(Qt::RichText);
    c_.readout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c_.readout->setWordWrap(true);
    c_.readout->setFixedWidth(250);
    c_.readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *drawing = new QHBoxLayout;
    drawing->addWidget(c_.chart, 1);
    drawing->addWidget(c_.readout);

    c_.sentences = new QLabel;
    c_.sentences->setWordWrap(true);
    c_.sentences->setTextFormat(Qt::PlainText);
    c_.sentences->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c_.sentences->setFocusPolicy(Qt::StrongFocus);

    c_.table = new QTableWidget(int(kFigureCount), 0);
    c_.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.table->setTabKeyNavigation(false);
    c_.table->setWordWrap(false);
    c_.table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    c_.table->horizontalHeader()->setTextElideMode(Qt::ElideMiddle);
    c_.table->verticalHeader()->setDefaultSectionSize(c_.table->fontMetrics().height() + 2);

    auto *bandsBox = new QGroupBox;
    c_.melee = new QRadioButton;
    c_.bows = new QRadioButton;
    c_.melee->setChecked(true);
    auto *catalogues = new QButtonGroup(this);
    catalogues->addButton(c_.melee);
    catalogues->addButton(c_.bows);
    c_.byMinimum = new QCheckBox;
    c_.bands = new QListWidget;
    c_.takeBand = new QPushButton;
    auto *which = new QHBoxLayout;
    which->addWidget(c_.melee);
    which->addWidget(c_.bows);
    which->addStretch();
    which->addWidget(c_.byMinimum);
    auto *bandsLayout = new QVBoxLayout(bandsBox);
    bandsLayout->addLayout(which);
    bandsLayout->addWidget(c_.bands, 1);
    bandsLayout->addWidget(c_.takeBand, 0, Qt::AlignRight);
    bandsBox->setObjectName(QStringLiteral("bestAtEachStrength"));

    auto *lower = new QHBoxLayout;
    lower->addWidget(c_.table, 5);
    lower->addWidget(bandsBox, 3);

    c_.status = new QLabel;
    c_.status->setWordWrap(true);
    c_.status->setTextFormat(Qt::PlainText);
    c_.status->setMinimumHeight(2 * c_.status->fontMetrics().lineSpacing());
    c_.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(chips_);
    layout->addLayout(inputs);
    layout->addLayout(drawing, 3);
    layout->addWidget(c_.sentences);
    layout->addLayout(lower, 3);
    layout->addWidget(c_.status);

    connect(c_.name, &QLineEdit::returnPressed, this, &PlanWindow::addTyped);
    connect(c_.add, &QPushButton::clicked, this, &PlanWindow::addTyped);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level, c_.from, c_.to})
        connect(box, &QLineEdit::textChanged, this, [this] {
            note_.clear();
            recompute();
        });
    connect(c_.chart, &Chart::cursorAsked, this, &PlanWindow::moveCursor);
    connect(c_.copy, &QPushButton::clicked, this, &PlanWindow::copyTable);
    connect(c_.saveImage, &QPushButton::clicked, this, &PlanWindow::saveImage);
    connect(c_.bows, &QRadioButton::toggled, this, &PlanWindow::recompute);
    connect(c_.byMinimum, &QCheckBox::toggled, this, &PlanWindow::recomputeBands);
    connect(c_.takeBand, &QPushButton::clicked, this, &PlanWindow::takeBand);
    connect(c_.bands, &QListWidget::itemActivated, this, &PlanWindow::takeBand);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &PlanWindow::copyTable);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

void PlanWindow::setLanguage(Language language)
{
    language_ = language;
    const auto say = [language](const Bilingual &words) { return words.in(language); };
    setWindowTitle(say(kTitle));
    nameLabel_->setText(say(kNameLabel));
    c_.name->setAccessibleName(spoken(say(kNameLabel)));
    c_.name->setPlaceholderText(say(kNameHint));
    c_.add->setText(say(kAdd));
    const std::array boxes{c_.strength, c_.seconds, c_.level, c_.from, c_.to};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        inputLabels_[i]->setText(say(kInputs[i]));
        boxes[i]->setAccessibleName(spoken(say(kInputs[i])));
    }
    c_.copy->setText(say(kCopy));
    c_.saveImage->setText(say(kSave));
    c_.chart->setAccessibleName(say(kChartName));
    c_.table->setAccessibleName(say(kTableName));
    c_.sentences->setAccessibleName(say(kSentencesName));
    static_cast<QGroupBox *>(c_.bands->parentWidget())->setTitle(say(kBandsTitle));
    c_.bands->setAccessibleName(say(kBandsTitle));
    c_.melee->setText(say(kMelee));
    c_.bows->setText(say(kBows));
    c_.byMinimum->setText(say(kByMinimum));
    c_.takeBand->setText(say(kTakeBand));
    showChoices();
    recompute();
}

bool PlanWindow::addPick(const Pick &pick)
{
    const QString name = pickName(pick);
    if (std::ranges::find(picks_, pick) != picks_.end()) {
        note_ = kTwice.in(language_).arg(name);
    } else if (picks_.size() >= kMaxChoices) {
        note_ = kFull.in(language_);
    } else {
        picks_.push_back(pick);
        note_ = kAdded.in(language_).arg(name);
        showChoices();
        recompute();
        return true;
    }
    showStatus();
    return false;
}

void PlanWindow::setPicks(const std::vector<Pick> &picks)
{
    picks_.clear();
    for (const Pick &pick : picks)
        if (picks_.size() < kMaxChoices && std::ranges::find(picks_, pick) == picks_.end())
            picks_.push_back(pick);
    note_.clear();
    showChoices();
    recompute();
}

void PlanWindow::setCatalogue(Mode mode)
{
    (mode == Mode::Bow ? c_.bows : c_.melee)->setChecked(true);
}

void PlanWindow::offerInputs(const QString &strength, const QString &seconds, const QString &level)
{
    for (auto [box, typed] : {std::pair{c_.strength, strength}, std::pair{c_.seconds, seconds},
                              std::pair{c_.level, level}})
        if (box->text().isEmpty())
            box->setText(typed);
}

void PlanWindow::addTyped()
{
    const QString typed = c_.name->text();
    if (typed.trimmed().isEmpty())
        return;
    std::optional<Pick> pick = ranking::findPick(typed);
    if (!pick) {
        // The completion offers every name; a name typed in another case is still meant.
        const QStringList names
            = static_cast<QStringListModel *>(c_.name->completer()->model())->stringList();
        const auto same = std::ranges::find_if(names, [&](const QString &name) {
            return name.compare(typed.trimmed(), Qt::CaseInsensitive) == 0;
        });
        if (same != names.end())
            pick = ranking::findPick(*same);
    }
    if (!pick) {
        note_
            = (findBow(typed.trimmed()) ? kBowAlone : kUnknown).in(language_).arg(typed.trimmed());
        showStatus();
        return;
    }
    if (addPick(*pick))
        c_.name->clear();
}

void PlanWindow::removePick(std::size_t slot)
{
    if (slot >= picks_.size())
        return;
    picks_.erase(picks_.begin() + std::ptrdiff_t(slot));
    note_.clear();
    showChoices();
    recompute();
    c_.name->setFocus();
}

// One chip per choice, in the colour and shape of its line, with its remove button.
void PlanWindow::showChoices()
{
    while (QLayoutItem *item = chips_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QWidget *previous = c_.add;
    for (std::size_t slot = 0; slot < picks_.size(); ++slot) {
        const QString name = pickName(picks_[slot]);
        auto *chip = new QWidget;
        auto *row = new QHBoxLayout(chip);
        row->setContentsMargins(0, 0, 6, 0);
        row->setSpacing(3);
        auto *marker = new QLabel;
        marker->setPixmap(markerPixmap(slot, palette().color(QPalette::Base)));
        // Four of the longest bow and arrow names side by side would widen the window past
        // most screens: each is cut short, whole in its tooltip.
        auto *label = new QLabel;
        label->setText(label->fontMetrics().elidedText(name, Qt::ElideMiddle, 260));
        label->setToolTip(name);
        auto *remove = new QToolButton;
        remove->setText(QStringLiteral("✕"));
        remove->setAutoRaise(true);
        remove->setAccessibleName(kRemove.in(language_).arg(name));
        remove->setToolTip(remove->accessibleName());
        remove->setObjectName(QStringLiteral("remove%1").arg(slot));
        row->addWidget(marker);
        row->addWidget(label);
        row->addWidget(remove);
        chips_->addWidget(chip);
        connect(remove, &QToolButton::clicked, this, [this, slot] { removePick(slot); });
        setTabOrder(previous, remove);
        previous = remove;
    }
    chips_->addStretch();
    setTabOrder(previous, c_.strength);
    c_.add->setEnabled(picks_.size() < kMaxChoices);
}

void PlanWindow::recompute()
{
    comparison_ = compare(
        picks_,
        {c_.strength->text(), c_.seconds->text(), c_.level->text(), c_.from->text(), c_.to->text()},
        language_, locale_);
    c_.chart->setData(comparison_.chart);
    const auto [from, to] = defaultRange(picks_, locale_);
    c_.from->setPlaceholderText(text(from, locale_));
    c_.to->setPlaceholderText(text(to, locale_));
    const bool level = c_.bows->isChecked() || std::ranges::any_of(picks_, needsLevel);
    inputLabels_[2]->setVisible(level);
    c_.level->setVisible(level);
    QString sentences = comparison_.sentences.join(u'\n');
    if (sentences.isEmpty() && picks_.size() > 1)
        sentences = kNoCrossing.in(language_);
    c_.sentences->setText(sentences);
    c_.sentences->setVisible(!sentences.isEmpty());
    showTable();
    showReadout();
    showStatus();
    recomputeBands();
    // The band the typed strength is in: where the player stands on the path.
    if (const auto strength = comparison_.chart.cursor) {
        const auto band = std::ranges::find_if(bands_, [&](const ranking::Band &b) {
            return b.from <= *strength && *strength < b.to + 1;
        });
        if (band != bands_.end())
            c_.bands->setCurrentRow(int(band - bands_.begin()));
    }
}

void PlanWindow::showTable()
{
    const auto &columns = comparison_.columns;
    c_.table->setColumnCount(int(columns.size()));
    QStringList figures;
    for (std::size_t f = 0; f < kFigureCount; ++f)
        figures << caption(Figure(f), c_.seconds->text(), language_);
    c_.table->setVerticalHeaderLabels(figures);
    for (std::size_t col = 0; col < columns.size(); ++col) {
        auto *header = new QTableWidgetItem(columns[col].name);
        header->setIcon(markerPixmap(col, palette().color(QPalette::Base)));
        header->setToolTip(columns[col].name);
        c_.table->setHorizontalHeaderItem(int(col), header);
        for (std::size_t f = 0; f < kFigureCount; ++f) {
            auto *item = new QTableWidgetItem(columns[col].cells[f]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            c_.table->setItem(int(f), int(col), item);
        }
    }
}

// Every value at the cursor, which is the typed strength: the table's own figures.
void PlanWindow::showReadout()
{
    const auto say = [this](const Bilingual &words) { return words.in(language_); };
    if (picks_.empty()) {
        c_.readout->clear();
        return;
    }
    QString html = comparison_.chart.cursor
                       ? say(kAtStrength).arg(c_.strength->text().trimmed().toHtmlEscaped())
                       : say(kNoCursor);
    const QString seconds = c_.seconds->text().trimmed().toHtmlEscaped();
    for (std::size_t slot = 0; slot < comparison_.columns.size(); ++slot) {
        const ChoiceColumn &column = comparison_.columns[slot];
        const auto cell = [&](Figure f) {
            const QString &figure = column.cells[std::size_t(f)];
            return figure.isEmpty() ? QStringLiteral("?") : figure.toHtmlEscaped();
        };
        html += QStringLiteral("<p><span style=\"color:%1\">%2</span> <b>%3</b><br>")
                    .arg(slotColour(slot).name(), markerSign(slot), column.name.toHtmlEscaped());
        html += say(kOverSeconds).arg(seconds, cell(Figure::TotalMin), cell(Figure::TotalMax))
                + QStringLiteral("<br>")
                + say(kPerHit).arg(cell(Figure::HitMin), cell(Figure::HitMax));
        if (!column.refusal.isEmpty() && comparison_.chart.cursor)
            html += QStringLiteral("<br><i>%1</i>").arg(column.refusal.toHtmlEscaped());
        html += QStringLiteral("</p>");
    }
    c_.readout->setText(html);
}

void PlanWindow::showStatus()
{
    QStringList said;
    if (!note_.isEmpty())
        said << note_;
    if (!comparison_.rangeNote.isEmpty())
        said << comparison_.rangeNote;
    // Half-typed inputs are not a mistake yet: a hint, not the main window's refusal.
    const auto refused = std::ranges::find_if(
        comparison_.columns, [](const ChoiceColumn &c) { return !c.refusal.isEmpty(); });
    if (refused != comparison_.columns.end())
        said << (c_.strength->text().trimmed().isEmpty() || c_.seconds->text().trimmed().isEmpty()
                     ? kEnterInputs.in(language_)
                     : refused->name + QStringLiteral(": ") + refused->refusal);
    c_.status->setText(said.join(QStringLiteral(" — ")));
}

void PlanWindow::recomputeBands()
{
    const double from = std::ceil(comparison_.chart.from), to = std::floor(comparison_.chart.to);
    const Mode mode = c_.bows->isChecked() ? Mode::Bow : Mode::Melee;
    const Measure measure = c_.byMinimum->isChecked() ? Measure::Min : Measure::Max;
    // Only the range, the catalogue, the measure and the level move the bands: a keystroke in
    // the strength or the seconds does not search the catalogue again.
    const QString inputs = QStringLiteral("%1 %2 %3 %4 %5 %6")
                               .arg(from)
                               .arg(to)
                               .arg(int(mode))
                               .arg(int(measure))
                               .arg(int(language_))
                               .arg(c_.level->text());
    if (inputs == bandsFor_)
        return;
    bandsFor_ = inputs;
    // The path is walked strength by strength: a range typed wider than any player trains over
    // would keep the window busy (and beyond an int, undefined); it lists nothing then.
    const bool walkable
        = from <= to && to - from <= kMaxBandSpan && from >= INT_MIN && to <= INT_MAX;
    bands_ = walkable
                 ? ranking::bestBands(mode, c_.level->text(), int(from), int(to), measure, locale_)
                 : std::vector<ranking::Band>{};
    c_.bands->clear();
    for (const ranking::Band &band : bands_)
        c_.bands->addItem(kBand.in(language_).arg(band.from).arg(band.to).arg(pickName(band.pick)));
    if (bands_.empty())
        c_.bands->addItem(walkable ? kNoBand.in(language_)
                                   : kTooWide.in(language_).arg(kMaxBandSpan));
    c_.takeBand->setEnabled(!bands_.empty());
}

void PlanWindow::takeBand()
{
    const int row = c_.bands->currentRow();
    if (row >= 0 && std::size_t(row) < bands_.size())
        addPick(bands_[std::size_t(row)].pick);
}

void PlanWindow::moveCursor(double strength) { c_.strength->setText(text(strength, locale_)); }

void PlanWindow::copyTable()
{
    QGuiApplication::clipboard()->setText(
        toTabSeparated(comparison_, c_.seconds->text(), language_));
    note_ = kCopied.in(language_);
    showStatus();
}

void PlanWindow::saveImage()
{
    const QString fileName = askFileName_();
    if (fileName.isEmpty())
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    c_.chart->image().save(&buffer, "PNG");

    const QString reason = toolkit::saveWhole(fileName, png);
    if (!reason.isEmpty()) {
        note_.clear();
        showStatus();
        sink_(this, saveFailed(fileName, reason));
        return;
    }
    note_ = kSaved.in(language_).arg(QDir::toNativeSeparators(fileName));
    showStatus();
}

QString PlanWindow::askSaveFileName()
{
    return QFileDialog::getSaveFileName(this, kSaveTitle.in(language_), kSaveName.in(language_),
                                        QStringLiteral("PNG (*.png)"));
}

} // namespace harmtally::plan
