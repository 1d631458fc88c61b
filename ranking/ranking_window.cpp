#include "ranking/ranking_window.h"

#include "core/numbers.h"
#include "ranking/formats.h"
#include "ranking/ranking_table_model.h"
#include "toolkit/designed_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace harmtally::ranking {

namespace {

QString say(Language language, const char *italian, const char *english)
{
    return QString::fromUtf8(language == Language::Italian ? italian : english);
}

// The label's words without the mnemonic and the colon, for screen readers.
QString spoken(const QString &caption) { return QString(caption).remove(u'&').remove(u':'); }

} // namespace

RankingWindow::RankingWindow(Language language, Offer offer)
    : QWidget(nullptr, Qt::Window)
    , language_(language)
    , offer_(std::move(offer))
    , askFileName_([this] { return askSaveFileName(); })
    , model_(new RankingTableModel(this))
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
    c_.exportCsv = new QPushButton;
    c_.status = new QLabel;
    c_.status->setWordWrap(true);
    // Room for a refusal's two languages, so the table does not jump as the message comes and goes.
    c_.status->setMinimumHeight(2 * c_.status->fontMetrics().lineSpacing());
    c_.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c_.status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c_.status->setTextFormat(
        Qt::PlainText); // the messages are shown exactly as the error box shows them

    c_.table = new QTableView;
    c_.table->setModel(model_);
    c_.table->setAlternatingRowColors(true);
    c_.table->setSelectionBehavior(QAbstractItemView::SelectRows);
    c_.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c_.table->setWordWrap(false);
    c_.table->setTabKeyNavigation(false); // Tab leaves the table; arrows move within it
    c_.table->verticalHeader()->setDefaultSectionSize(c_.table->fontMetrics().height() + 6);
    c_.table->horizontalHeader()->setSortIndicator(int(Column::TotalMax), Qt::DescendingOrder);
    c_.table->setSortingEnabled(true); // the model sorts: numbers as numbers, unknown last
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
    filters->addStretch();
    filters->addWidget(c_.exportCsv);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(filters);
    layout->addWidget(c_.table, 1);
    layout->addWidget(c_.status);
    // Tab follows the layout: the mode, the three inputs, the filters, the button, the table.
    QWidget *const order[] = {c_.melee,  c_.bows,      c_.strength,  c_.seconds, c_.level,
                              c_.search, c_.wieldable, c_.exportCsv, c_.table};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(c_.bows, &QRadioButton::toggled, this, &RankingWindow::recompute);
    for (QLineEdit *box : {c_.strength, c_.seconds, c_.level})
        connect(box, &QLineEdit::textChanged, this, &RankingWindow::recompute);
    connect(c_.search, &QLineEdit::textChanged, this, &RankingWindow::refilter);
    connect(c_.wieldable, &QCheckBox::toggled, this, &RankingWindow::refilter);
    connect(c_.exportCsv, &QPushButton::clicked, this, &RankingWindow::exportCsv);
    connect(c_.table, &QTableView::doubleClicked, this, &RankingWindow::offerCurrent);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

void RankingWindow::setLanguage(Language language)
{
    language_ = language;
    const auto l = language;
    setWindowTitle(say(l, "Classifica armi", "Rank weapons"));
    c_.melee->setText(say(l, "Armi da &mischia", "&Melee"));
    c_.bows->setText(say(l, "A&rchi", "&Bows"));
    c_.wieldable->setText(say(l, "Solo quelle che posso &usare", "Only what I can &wield"));
    c_.exportCsv->setText(say(l, "Esporta &CSV…", "E&xport CSV…"));
    const QString captions[] = {
        say(l, "&Forza castata:", "Boosted s&trength:"),
        say(l, "&Secondi:", "&Seconds:"),
        say(l, "&Livello Trueshot:", "Trueshot &level:"),
        say(l, "C&erca:", "Searc&h:"),
    };
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(captions[i]);
        boxes()[i]->setAccessibleName(spoken(captions[i]));
    }
    c_.search->setPlaceholderText(say(l, "nome dell'arma o delle frecce", "weapon or arrow name"));
    c_.table->setAccessibleName(say(l, "Classifica", "Ranking"));
    model_->setLanguage(language);
    showStatus();
}

void RankingWindow::recompute()
{
    const Mode mode = c_.bows->isChecked() ? Mode::Bow : Mode::Melee;
    Table table
        = compute({mode, c_.strength->text(), c_.seconds->text(), c_.level->text()}, locale_);
    refusal_ = table.refusal;
    note_.clear();
    model_->setRows(mode, std::move(table.rows));
    labels_[kLevel]->setVisible(mode == Mode::Bow);
    c_.level->setVisible(mode == Mode::Bow);
    c_.table->setColumnHidden(int(Column::ArrowKind), mode == Mode::Melee);
    if (fittedFor_ != mode) {
        fittedFor_ = mode;
        fitColumns();
    }
    refilter();
}

// Sized once per mode, not on every keystroke: columns that jump while typing are hard to read.
// The window widens to show every column, the totals last, as far as the screen allows.
void RankingWindow::fitColumns()
{
    c_.table->resizeColumnsToContents();
    const QMargins margins = layout()->contentsMargins();
    const int wanted = margins.left() + margins.right() + 2 * c_.table->frameWidth()
                       + c_.table->verticalHeader()->sizeHint().width()
                       + c_.table->horizontalHeader()->length()
                       + c_.table->verticalScrollBar()->sizeHint().width();
    const int room = screen()->availableGeometry().width() - 40;
    if (width() < wanted && width() < room)
        resize(std::min(wanted, room), height());
}

void RankingWindow::refilter()
{
    std::optional<double> strength;
    if (c_.wieldable->isChecked())
        strength = number(c_.strength->text(), locale_);
    model_->setFilter(c_.search->text(), strength);
    showStatus();
}

void RankingWindow::showStatus()
{
    const auto l = language_;
    const bool melee = model_->mode() == Mode::Melee;
    QString counts = (melee ? say(l, "%1 armi", "%1 weapons")
                            : say(l, "%1 archi con frecce", "%1 bows with arrows"))
                         .arg(model_->totalCount());
    if (const int hidden = model_->hiddenBySearch() + model_->hiddenByStrength()) {
        QStringList why;
        if (model_->hiddenBySearch())
            why << say(l, "%1 dalla ricerca", "%1 by the search").arg(model_->hiddenBySearch());
        if (model_->hiddenByStrength())
            why << say(l, "%1 oltre la tua forza", "%1 above your strength")
                       .arg(model_->hiddenByStrength());
        counts += (melee ? say(l, ", %1 nascoste (%2)", ", %1 hidden (%2)")
                         : say(l, ", %1 nascosti (%2)", ", %1 hidden (%2)"))
                      .arg(hidden)
                      .arg(why.join(QStringLiteral(", ")));
    }
    // Half-typed inputs are not a mistake yet: a hint, not the main window's refusal.
    QString message = note_;
    if (message.isEmpty() && !refusal_.isEmpty())
        message = c_.strength->text().trimmed().isEmpty() || c_.seconds->text().trimmed().isEmpty()
                      ? say(l, "Inserire forza e secondi.", "Enter strength and seconds.")
                      : refusal_;
    const QString text = message.isEmpty() ? counts : counts + QStringLiteral(" — ") + message;
    c_.status->setText(text);
    // A name of its own would hide the text from screen readers: the name carries it.
    c_.status->setAccessibleName(say(l, "Stato: ", "Status: ") + text);
}

void RankingWindow::setNote(const QString &note)
{
    note_ = note;
    showStatus();
}

void RankingWindow::offerCurrent()
{
    const QModelIndex current = c_.table->currentIndex();
    if (!current.isValid())
        return;
    const Row &row = model_->rowAt(current.row());
    const Choice choice{model_->mode(), row.cells[std::size_t(Column::Name)],
                        row.cells[std::size_t(Column::ArrowKind)]};
    const QString reason = offer_(choice);
    setNote(reason.isEmpty()
                ? say(language_, "Scelta: %1", "Chosen: %1")
                      .arg(choice.arrowKind.isEmpty()
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
        rows.push_back(model_->rowAt(index.row()));
    QGuiApplication::clipboard()->setText(toTabSeparated(rows, model_->mode(), language_));
}

// What the table shows, in its order: the filters narrow the file as they narrow the screen.
void RankingWindow::exportCsv()
{
    const QString fileName = askFileName_();
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    const std::vector<Row> rows = model_->visibleRows();
    const bool written = file.open(QIODevice::WriteOnly)
                         && file.write(toCsv(rows, model_->mode(), locale_).toUtf8()) >= 0
                         && file.commit();
    setNote(written ? say(language_, "Esportate %1 righe in %2", "Exported %1 rows to %2")
                          .arg(qsizetype(rows.size()))
                          .arg(QDir::toNativeSeparators(fileName))
                    : say(language_, "Esportazione non riuscita: %1", "Export failed: %1")
                          .arg(file.errorString()));
}

QString RankingWindow::askSaveFileName()
{
    return QFileDialog::getSaveFileName(this, say(language_, "Esporta CSV", "Export CSV"),
                                        say(language_, "classifica.csv", "ranking.csv"),
                                        QStringLiteral("CSV (*.csv)"));
}

bool RankingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == c_.table && event->type() == QEvent::KeyPress) {
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
