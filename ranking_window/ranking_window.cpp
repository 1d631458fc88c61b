#include "ranking_window/ranking_window.h"

#include "core/numbers.h"
#include "ranking/formats.h"
#include "ranking_window/ranking_table_model.h"
#include "toolkit/designed_window.h"
#include "toolkit/save_file.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace harmtally::ranking {

namespace {

// The label's words without the mnemonic and the colon, for screen readers.
QString spoken(const QString &caption) { return QString(caption).remove(u'&').remove(u':'); }

} // namespace

QRect besideWindow(const QRect &other, QSize wanted, QSize least, const QRect &available)
{
    wanted = wanted.boundedTo(available.size());
    least = least.boundedTo(wanted);
    const auto within = [](int start, int length, int low, int high) {
        return std::clamp(start, low, high + 1 - length);
    };
    const int top = within(other.top(), wanted.height(), available.top(), available.bottom());
    const int left = within(other.left(), wanted.width(), available.left(), available.right());
    const int right = available.right() - other.right(), leftRoom = other.left() - available.left();
    if (right >= least.width())
        return {other.right() + 1, top, std::min(wanted.width(), right), wanted.height()};
    if (leftRoom >= least.width()) {
        const int width = std::min(wanted.width(), leftRoom);
        return {other.left() - width, top, width, wanted.height()};
    }
    if (const int room = available.bottom() - other.bottom(); room >= least.height())
        return {left, other.bottom() + 1, wanted.width(), std::min(wanted.height(), room)};
    // Over it, then, against the screen's edge on its roomier side, covering as little as can be.
    return {right >= leftRoom ? available.right() + 1 - wanted.width() : available.left(), top,
            wanted.width(), wanted.height()};
}

RankingWindow::RankingWindow(Language language, const QLocale &locale, toolkit::MessageSink sink,
                             Offer offer)
    : QWidget(nullptr, Qt::Window)
    , language_(language)
    , locale_(locale)
    , sink_(std::move(sink))
    , offer_(std::move(offer))
    , askFileName_([this] { return askSaveFileName(); })
    , source_(new RankingTableModel(locale, this))
    , proxy_(new RankingProxyModel(source_, this))
{
    setObjectName(QStringLiteral("RankingWindow"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(toolkit::programIcon());
    resize(900, 560);
    buildControls();
    setLanguage(language);
    recompute();
}

RankingWindow::~RankingWindow() = default;

void RankingWindow::buildControls()
{
    c_.melee = new QRadioButton;
    c_.bows = new QRadioButton;
    c_.melee->setChecked(true);
    auto *modes = new QButtonGroup(this);
    modes->addButton(c_.melee);
    modes->addButton(c_.bows);
    c_.strength = new QLineEdit;
    c_.seconds = new QLineEdit;
    c_.level = new QLineEdit;
    c_.search = new QLineEdit;
    c_.search->setClearButtonEnabled(true);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level})
        box->setMaximumWidth(90);
    c_.wieldable = new QCheckBox;
    c_.wieldable->setChecked(true); // the question asked first: what can I use?
    c_.goal = new QComboBox;
    c_.goal->addItems(QStringList(4, QString()));
    c_.goalValue = new QLineEdit;
    c_.goalValue->setMaximumWidth(90);
    c_.goalValue->setEnabled(false);
    c_.exportCsv = new QPushButton;
    c_.exportCsv->setAutoDefault(true); // Enter presses it when it has the focus
    c_.status = new QLabel;
    c_.status->setWordWrap(true);
    // Room for a refusal's two languages, so the table does not jump as the message comes and goes.
    c_.status->setMinimumHeight(2 * c_.status->fontMetrics().lineSpacing());
    c_.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c_.status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c_.status->setTextFormat(
        Qt::PlainText); // the messages are shown exactly as the error box shows them

    c_.table = new QTableView;
    c_.table->setModel(proxy_);
    c_.table->setAlternatingRowColors(true);
    c_.table->setSelectionBehavior(QAbstractItemView::SelectRows);
    c_.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.table->setWordWrap(false);
    c_.table->setTabKeyNavigation(false); // Tab leaves the table; arrows move within it
    c_.table->verticalHeader()->setDefaultSectionSize(c_.table->fontMetrics().height() + 6);
    c_.table->horizontalHeader()->setSortIndicator(int(kDefaultSortColumn), kDefaultSortOrder);
    c_.table->setSortingEnabled(true);
    c_.table->installEventFilter(this);

    auto *inputs = new QHBoxLayout;
    inputs->addWidget(c_.melee);
    inputs->addWidget(c_.bows);
    inputs->addSpacing(16);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel;
        labels_[i]->setBuddy(boxes()[i]);
    }
    for (std::size_t i = 0; i < kSearch; ++i) {
        inputs->addWidget(labels_[i]);
        inputs->addWidget(boxes()[i]);
    }
    inputs->addStretch();

    auto *filters = new QHBoxLayout;
    filters->addWidget(labels_[kSearch]);
    filters->addWidget(c_.search, 1);
    filters->addWidget(c_.wieldable);
    filters->addWidget(c_.goal);
    filters->addWidget(c_.goalValue);
    filters->addStretch();
    filters->addWidget(c_.exportCsv);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(filters);
    layout->addWidget(c_.table, 1);
    layout->addWidget(c_.status);
    // Tab follows the layout: the mode, the three inputs, the filters, the button, the table.
    QWidget *const order[]
        = {c_.melee,     c_.bows, c_.strength,  c_.seconds,   c_.level, c_.search,
           c_.wieldable, c_.goal, c_.goalValue, c_.exportCsv, c_.table};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(c_.bows, &QRadioButton::toggled, this, &RankingWindow::recompute);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level})
        connect(box, &QLineEdit::textChanged, this, &RankingWindow::recompute);
    connect(c_.search, &QLineEdit::textChanged, this, &RankingWindow::refilter);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::recomputeGoal);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::refilter);
    connect(c_.goal, &QComboBox::currentIndexChanged, this, &RankingWindow::recomputeGoal);
    connect(c_.goalValue, &QLineEdit::textChanged, this, &RankingWindow::recomputeGoal);
    connect(c_.exportCsv, &QPushButton::clicked, this, &RankingWindow::exportCsv);
    connect(c_.table, &QTableView::doubleClicked, this, &RankingWindow::offerCurrent);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
            &RankingWindow::escape);
    compareAction_ = new QAction(this);
    compareAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(compareAction_, &QAction::triggered, this, &RankingWindow::compareSelection);
    c_.table->addAction(compareAction_);
    c_.table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void RankingWindow::setLanguage(Language language)
{
    language_ = language;
    const auto l = language;
    setWindowTitle(Bilingual{.italian = "Classifica armi", .english = "Rank weapons"}.in(l));
    c_.melee->setText(Bilingual{.italian = "Armi da &mischia", .english = "&Melee"}.in(l));
    c_.bows->setText(Bilingual{.italian = "A&rchi", .english = "&Bows"}.in(l));
    c_.wieldable->setText(
        Bilingual{.italian = "Solo quelle che posso &usare", .english = "Only what I can &wield"}
            .in(l));
    compareAction_->setText(Bilingual{.italian = "Confronta", .english = "Compare"}.in(l));
    c_.exportCsv->setText(Bilingual{.italian = "Esporta &CSV…", .english = "E&xport CSV…"}.in(l));
    static constexpr Bilingual kCaptions[] = {
        {.italian = "&Forza castata:", .english = "Boosted s&trength:"},
        {.italian = "&Secondi:", .english = "&Seconds:"},
        {.italian = "&Livello Trueshot:", .english = "Trueshot &level:"},
        {.italian = "C&erca:", .english = "Searc&h:"},
    };
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(kCaptions[i].in(l));
        boxes()[i]->setAccessibleName(spoken(kCaptions[i].in(l)));
    }
    static constexpr Bilingual kGoals[] = {
        {.italian = "Nessun obiettivo", .english = "No goal"},
        {.italian = "Ogni colpo almeno", .english = "Every hit at least"},
        {.italian = "Nei secondi almeno", .english = "Over the seconds at least"},
        {.italian = "Nemico con salute", .english = "A foe with health"},
    };
    for (int i = 0; i < c_.goal->count(); ++i)
        c_.goal->setItemText(i, kGoals[i].in(l));
    c_.goal->setAccessibleName(Bilingual{.italian = "Obiettivo", .english = "Goal"}.in(l));
    c_.goalValue->setAccessibleName(
        Bilingual{.italian = "Valore dell'obiettivo", .english = "Goal value"}.in(l));
    c_.search->setPlaceholderText(
        Bilingual{.italian = "nome dell'arma o delle frecce", .english = "weapon or arrow name"}.in(
            l));
    c_.table->setAccessibleName(Bilingual{.italian = "Classifica", .english = "Ranking"}.in(l));
    source_->setLanguage(language);
    showStatus();
}

void RankingWindow::startFrom(Mode mode, const QString &strength, const QString &seconds)
{
    (mode == Mode::Bow ? c_.bows : c_.melee)->setChecked(true);
    if (!strength.isEmpty())
        c_.strength->setText(strength);
    if (!seconds.isEmpty())
        c_.seconds->setText(seconds);
    if (c_.strength->text().isEmpty()) {
        c_.strength->setFocus();
        return;
    }
    c_.table->setFocus();
    if (proxy_->rowCount() > 0)
        c_.table->selectRow(0);
}

void RankingWindow::placeBeside(const QWidget &other)
{
    const QRect otherFrame = toolkit::frameGeometry(other);
    const QScreen *where = QGuiApplication::screenAt(otherFrame.center());
    const QRect available = (where ? where : screen())->availableGeometry();
    // Until the window manager has framed this window, its frame is taken to be the other's.
    const bool framed = !toolkit::frameMargins(*this).isNull();
    const QMargins frame = toolkit::frameMargins(framed ? *this : other);
    besideOf_ = framed ? nullptr : &other;
    const QSize edges(frame.left() + frame.right(), frame.top() + frame.bottom());
    // A table of a few rows answers nothing: below it only with two thirds of the height.
    const QSize wanted = QSize(std::max(width(), wantedWidth_), height()) + edges;
    const QSize least = minimumSizeHint().expandedTo({0, wanted.height() * 2 / 3}) + edges;
    setGeometry(besideWindow(otherFrame, wanted, least, available).marginsRemoved(frame));
}

// The window manager frames a window after it is shown, without a move, and the other window
// may be framed only then too: once this one is framed and active, it is placed again.
bool RankingWindow::event(QEvent *event)
{
    const bool done = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && besideOf_
        && !toolkit::frameMargins(*this).isNull())
        placeBeside(*std::exchange(besideOf_, nullptr));
    return done;
}

void RankingWindow::recompute()
{
    const Mode mode = c_.bows->isChecked() ? Mode::Bow : Mode::Melee;
    Table table
        = compute({mode, c_.strength->text(), c_.seconds->text(), c_.level->text()}, locale_);
    refusal_ = table.refusal;
    note_.clear();
    source_->setRows(mode, std::move(table.rows));
    labels_[kLevel]->setVisible(mode == Mode::Bow);
    c_.level->setVisible(mode == Mode::Bow);
    c_.table->setColumnHidden(int(Column::ArrowKind), mode == Mode::Melee);
    recomputeGoal();
    if (fittedFor_ != mode) {
        fittedFor_ = mode;
        fitColumns();
    }
    refilter();
}

// The goal's columns follow every change of figures, goal or filter: the strength each row needs,
// or how long the foe lasts.
void RankingWindow::recomputeGoal()
{
    const auto kind = GoalKind(c_.goal->currentIndex());
    c_.goalValue->setEnabled(kind != GoalKind::None);
    const std::optional<double> goal = number(c_.goalValue->text(), locale_);
    const Inputs in{source_->mode(), c_.strength->text(), c_.seconds->text(), c_.level->text()};
    std::vector<QStringList> cells;
    for (int r = 0; kind != GoalKind::None && r < source_->rowCount(); ++r)
        cells.push_back(
            goal ? goalCells(kind, *goal, source_->row(r), in, c_.wieldable->isChecked(), locale_)
                 : QStringList(qsizetype(goalColumns(kind).size()), QString()));
    const bool newColumns = kind != source_->goal();
    source_->setGoal(kind, std::move(cells));
    c_.table->setColumnHidden(int(Column::ArrowKind), source_->mode() == Mode::Melee);
    if (newColumns)
        c_.table->resizeColumnsToContents();
}

// Sized once per mode, not on every keystroke: columns that jump while typing are hard to read.
// The window widens to show every column, the totals last, as far as the screen allows.
void RankingWindow::fitColumns()
{
    c_.table->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    wantedWidth_ = margins.left() + margins.right() + 2 * c_.table->frameWidth()
                   + c_.table->verticalHeader()->sizeHint().width()
                   + c_.table->horizontalHeader()->length()
                   + c_.table->verticalScrollBar()->sizeHint().width();
    const QSize room = screen()->availableGeometry().size();
    resize(std::clamp(wantedWidth_, width(), room.width()), std::min(height(), room.height()));
}

void RankingWindow::refilter()
{
    proxy_->setFilter(c_.search->text(), number(c_.strength->text(), locale_),
                      c_.wieldable->isChecked());
    showStatus();
}

void RankingWindow::showStatus()
{
    const auto l = language_;
    const bool melee = source_->mode() == Mode::Melee;
    QString counts
        = (melee ? Bilingual{.italian = "%1 armi", .english = "%1 weapons"}
                 : Bilingual{.italian = "%1 archi con frecce", .english = "%1 bows with arrows"})
              .in(l)
              .arg(source_->rowCount());
    const int bySearch = proxy_->hiddenBySearch(), byStrength = proxy_->hiddenByStrength();
    if (bySearch + byStrength > 0) {
        QStringList why;
        if (bySearch)
            why << Bilingual{.italian = "%1 dalla ricerca", .english = "%1 by the search"}
                       .in(l)
                       .arg(bySearch);
        if (byStrength)
            why << Bilingual{.italian = "%1 oltre la tua forza",
                             .english = "%1 above your strength"}
                       .in(l)
                       .arg(byStrength);
        counts
            += (melee ? Bilingual{.italian = ", %1 nascoste (%2)", .english = ", %1 hidden (%2)"}
                      : Bilingual{.italian = ", %1 nascosti (%2)", .english = ", %1 hidden (%2)"})
                   .in(l)
                   .arg(bySearch + byStrength)
                   .arg(why.join(QStringLiteral(", ")));
    }
    // Half-typed inputs are not a mistake yet: a hint, not the main window's refusal.
    QString message = note_;
    if (message.isEmpty() && !refusal_.isEmpty())
        message = c_.strength->text().trimmed().isEmpty() || c_.seconds->text().trimmed().isEmpty()
                      ? Bilingual{.italian = "Inserire forza e secondi.",
                                  .english = "Enter strength and seconds."}
                            .in(l)
                      : refusal_;
    if (message.isEmpty() && !melee && c_.level->text().trimmed().isEmpty())
        message = Bilingual{.italian = "Trueshot Quiver senza cifre: inserire il livello Trueshot.",
                            .english = "Trueshot Quiver has no figures until a Trueshot level "
                                       "is typed."}
                      .in(l);
    const QString text = message.isEmpty() ? counts : counts + QStringLiteral(" — ") + message;
    c_.status->setText(text);
    // A name of its own would hide the text from screen readers: the name carries it.
    c_.status->setAccessibleName(Bilingual{.italian = "Stato: ", .english = "Status: "}.in(l)
                                 + text);
}

void RankingWindow::setNote(const QString &note)
{
    note_ = note;
    showStatus();
}

// After Tab into the table the current row is selected too, so that Ctrl+C copies what Enter
// would take.
void RankingWindow::selectCurrentRow()
{
    const QModelIndex current = c_.table->currentIndex();
    if (!current.isValid())
        c_.table->selectRow(0);
    else if (!c_.table->selectionModel()->isRowSelected(current.row()))
        c_.table->selectRow(current.row());
}

void RankingWindow::offerCurrent()
{
    const QModelIndex current = c_.table->currentIndex();
    if (!current.isValid())
        return;
    const Row &row = proxy_->rowAt(current.row());
    const Choice choice{source_->mode(), row.cells[std::size_t(Column::Name)],
                        row.cells[std::size_t(Column::ArrowKind)]};
    const QString reason = offer_(choice);
    setNote(reason.isEmpty()
                ? Bilingual{.italian = "Scelta: %1", .english = "Chosen: %1"}.in(language_).arg(
                    choice.arrowKind.isEmpty()
                        ? choice.name
                        : choice.name + QStringLiteral(" + ") + choice.arrowKind)
                : reason);
}

void RankingWindow::copySelection()
{
    QModelIndexList selected = c_.table->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::ranges::sort(selected, {}, &QModelIndex::row); // as shown, not in the order clicked
    std::vector<Row> rows;
    rows.reserve(std::size_t(selected.size()));
    for (const QModelIndex &index : selected)
        rows.push_back(proxy_->rowAt(index.row()));
    QGuiApplication::clipboard()->setText(toTabSeparated(rows, source_->mode(), language_));
}

// The selected rows, in the order shown, go to the compare and plan window.
void RankingWindow::compareSelection()
{
    QModelIndexList selected = c_.table->selectionModel()->selectedRows();
    if (selected.size() < 2 || selected.size() > 4 || !compare_) {
        setNote(Bilingual{.italian = "Selezionare da 2 a 4 righe da confrontare.",
                          .english = "Select 2 to 4 rows to compare."}
                    .in(language_));
        return;
    }
    std::ranges::sort(selected, {}, &QModelIndex::row);
    std::vector<Pick> picks;
    for (const QModelIndex &index : selected)
        picks.push_back(pickAt(source_->mode(), proxy_->rowAt(index.row()).order));
    setNote(compare_(picks));
}

// What the table shows, in its order: the filters narrow the file as they narrow the screen.
// The old file stays as it was unless every byte of the new one reached the disk.
void RankingWindow::exportCsv()
{
    QString fileName = askFileName_();
    if (fileName.isEmpty())
        return;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".csv");
    const std::vector<Row> rows = proxy_->visibleRows();
    const QByteArray bytes = toCsv(rows, source_->mode(), locale_).toUtf8();
    const QString reason = toolkit::saveWhole(fileName, bytes);
    const QString path = QDir::toNativeSeparators(fileName);
    if (!reason.isEmpty()) {
        const QString failed = Bilingual{.italian = "Esportazione in %1 non riuscita: %2",
                                         .english = "Could not export to %1: %2"}
                                   .in(language_)
                                   .arg(path, reason);
        setNote(failed);
        sink_(this, failed);
        return;
    }
    setNote(Bilingual{.italian = "Esportate %1 righe in %2", .english = "Exported %1 rows to %2"}
                .in(language_)
                .arg(qsizetype(rows.size()))
                .arg(path));
}

void RankingWindow::escape()
{
    if (c_.search->hasFocus() && !c_.search->text().isEmpty())
        c_.search->clear();
    else
        close();
}

QString RankingWindow::askSaveFileName()
{
    return QFileDialog::getSaveFileName(
        this, Bilingual{.italian = "Esporta CSV", .english = "Export CSV"}.in(language_),
        Bilingual{.italian = "classifica.csv", .english = "ranking.csv"}.in(language_),
        QStringLiteral("CSV (*.csv)"));
}

// The table takes Enter itself: a view ignores Enter (it would reach the focused window's
// buttons) and signals activation on a single click in some styles, so neither its key handling
// nor its activated() signal means "take this row".
bool RankingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != c_.table)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            && proxy_->rowCount() > 0)
            selectCurrentRow();
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelection();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            offerCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace harmtally::ranking
