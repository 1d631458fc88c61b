// The compare and plan window's best at each strength: the bands of the chosen catalogue across
// the chart's range, found again only when what moves them changes, and taken into the
// comparison.

#include "plan_window/plan_window.h"

#include "texts/plan_words.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <climits>
#include <cmath>

namespace harmtally::plan {

using namespace captions;

namespace {

constexpr double kMaxBandSpan = 10000;

} // namespace

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

} // namespace harmtally::plan
