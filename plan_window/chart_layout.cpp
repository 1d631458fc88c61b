// Where the chart's parts sit and what its axes say: found again when its data, size, font or
// locale change, so that painting only draws.

#include "plan_window/chart.h"

#include "core/numbers.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace harmtally::plan {
namespace {

constexpr double kMaxTicks = 200;

// 1, 2 or 5 times a power of ten, giving at most `count` steps over `span`.
double roundStep(double span, double count)
{
    const double raw = span / std::max(count, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

// The multiples of `step` from `first` on, `count` of them; none when there would be more than
// a chart has room for (a step lost in the size of its ends, or no step at all).
std::vector<double> steps(double first, double count, double step)
{
    std::vector<double> ticks;
    if (!(count >= 0 && count <= kMaxTicks))
        return ticks;
    // Counted apart from the multiple: past 2^53, adding one to a double leaves it unchanged.
    for (int k = 0; k <= int(count); ++k)
        ticks.push_back((first + k) * step);
    return ticks;
}

} // namespace

QString Chart::tickText(double value) const
{
    // k x step can come out as 0.30000000000000004; fifteen digits write it 0.3.
    return text(std::abs(value) < 1e-12 * (high_ - low_) ? 0.0 : value, locale());
}

// The totals' span, rounded out to whole steps, the plot's place and the ticks' words.
void Chart::layOut()
{
    double low = 0, high = 0;
    for (const Series &s : data_.series)
        for (const auto *line : {&s.max, &s.min})
            for (const Point &p : *line) {
                low = std::min(low, p.total);
                high = std::max(high, p.total);
            }
    if (high <= low)
        high = low + 1;
    const QFontMetricsF fm(font());
    const qreal line = fm.lineSpacing();
    const qreal rows = std::max(2.0, (height() - 4 * line) / (2.5 * line));
    totalStep_ = roundStep(high - low, rows);
    low_ = std::floor(low / totalStep_) * totalStep_;
    high_ = std::ceil(high / totalStep_) * totalStep_;

    totalLabels_.clear();
    qreal labelWidth = 0;
    for (double tick : totalTicks()) {
        totalLabels_.push_back({tick, tickText(tick)});
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(totalLabels_.back().text));
    }
    const qreal left = line + 8 + labelWidth + 6;
    plot_ = QRectF(left, 2.2 * line, std::max(10.0, width() - left - 16),
                   std::max(10.0, height() - 2.2 * line - 2.4 * line - 4));
    const qreal widest = fm.horizontalAdvance(tickText(data_.to)) + 16;
    strengthStep_ = roundStep(data_.to - data_.from, plot_.width() / widest);
    strengthLabels_.clear();
    for (double tick : strengthTicks())
        strengthLabels_.push_back({tick, tickText(tick)});
}

std::vector<double> Chart::strengthTicks() const
{
    const double first = std::ceil(data_.from / strengthStep_);
    return steps(first, std::floor(data_.to / strengthStep_) - first, strengthStep_);
}

std::vector<double> Chart::totalTicks() const
{
    const double first = std::round(low_ / totalStep_);
    return steps(first, std::round(high_ / totalStep_) - first, totalStep_);
}

QPointF Chart::at(double strength, double total) const
{
    return {plot_.left() + plot_.width() * (strength - data_.from) / (data_.to - data_.from),
            plot_.bottom() - plot_.height() * (total - low_) / (high_ - low_)};
}

QRectF Chart::labelBox(const Dot &dot) const
{
    const QFontMetricsF fm(font());
    const QPointF c = at(dot.strength, dot.total);
    const qreal width = fm.horizontalAdvance(dot.label) + 6, height = fm.lineSpacing();
    // Above the dot, else below it; slid along so that it stays whole within the plot.
    const qreal top = c.y() - 8 - height >= plot_.top() ? c.y() - 8 - height : c.y() + 8;
    return {
        std::clamp(c.x() - width / 2, plot_.left(), std::max(plot_.left(), plot_.right() - width)),
        std::clamp(top, plot_.top(), std::max(plot_.top(), plot_.bottom() - height)), width,
        height};
}

} // namespace harmtally::plan
