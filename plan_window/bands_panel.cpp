#include "plan_window/bands_panel.h"

#include "plan_window/comparison.h"
#include "texts/plan_words.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace harmtally::plan {

using namespace captions;

namespace {

constexpr double kMaxBandSpan = 10000;

} // namespace

BandsPanel::BandsPanel(const QLocale &locale, QWidget *parent)
    : QGroupBox(parent)
    , locale_(locale)
    , melee_(new QRadioButton)
    , bows_(new QRadioButton)
    , byMinimum_(new QCheckBox)
    , list_(new QListWidget)
    , take_(new QPushButton)
{
    setObjectName(QStringLiteral("bestAtEachStrength"));
    melee_->setChecked(true);
    auto *catalogues = new QButtonGroup(this);
    catalogues->addButton(melee_);
    catalogues->addButton(bows_);
    auto *which = new QHBoxLayout;
    which->addWidget(melee_);
    which->addWidget(bows_);
    which->addStretch();
    which->addWidget(byMinimum_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(which);
    layout->addWidget(list_, 1);
    layout->addWidget(take_, 0, Qt::AlignRight);
    connect(bows_, &QRadioButton::toggled, this, &BandsPanel::catalogueChanged);
    connect(byMinimum_, &QCheckBox::toggled, this, &BandsPanel::measureChanged);
    connect(take_, &QPushButton::clicked, this, &BandsPanel::takeCurrent);
    connect(list_, &QListWidget::itemActivated, this, &BandsPanel::takeCurrent);
}

Mode BandsPanel::catalogue() const { return bows_->isChecked() ? Mode::Bow : Mode::Melee; }

void BandsPanel::setCatalogue(Mode mode) { (mode == Mode::Bow ? bows_ : melee_)->setChecked(true); }

void BandsPanel::update(double from, double to, const QString &level, Language language)
{
    from = std::ceil(from);
    to = std::floor(to);
    const Measure measure = byMinimum_->isChecked() ? Measure::Min : Measure::Max;
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(from)
                            .arg(to)
                            .arg(int(catalogue()))
                            .arg(int(measure))
                            .arg(int(language))
                            .arg(level);
    if (key == foundFor_)
        return;
    foundFor_ = key;
    // The path is walked strength by strength: a range typed wider than any player trains over
    // would keep the window busy (and beyond an int, undefined); it lists nothing then.
    const bool walkable
        = from <= to && to - from <= kMaxBandSpan && from >= INT_MIN && to <= INT_MAX;
    bands_ = walkable ? ranking::bestBands(catalogue(), level, int(from), int(to), measure, locale_)
                      : std::vector<ranking::Band>{};
    list_->clear();
    for (const ranking::Band &band : bands_)
        list_->addItem(kBand.in(language).arg(band.from).arg(band.to).arg(pickName(band.pick)));
    if (bands_.empty())
        list_->addItem(walkable ? kNoBand.in(language) : kTooWide.in(language).arg(kMaxBandSpan));
    take_->setEnabled(!bands_.empty());
}

void BandsPanel::selectAt(double strength)
{
    const auto band = std::ranges::find_if(
        bands_, [&](const ranking::Band &b) { return b.from <= strength && strength < b.to + 1; });
    if (band != bands_.end())
        list_->setCurrentRow(int(band - bands_.begin()));
}

void BandsPanel::setCaptions(const QString &title, const QString &melee, const QString &bows,
                             const QString &byMinimum, const QString &take)
{
    setTitle(title);
    list_->setAccessibleName(title);
    melee_->setText(melee);
    bows_->setText(bows);
    byMinimum_->setText(byMinimum);
    take_->setText(take);
}

void BandsPanel::takeCurrent()
{
    const int row = list_->currentRow();
    if (row >= 0 && std::size_t(row) < bands_.size())
        emit taken(bands_[std::size_t(row)].pick);
}

} // namespace harmtally::plan
