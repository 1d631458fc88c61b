#include "ranking/ranking.h"

#include "catalogue/bows.h"
#include "catalogue/melee.h"
#include "catalogue/names.h"
#include "core/numbers.h"

#include <algorithm>

namespace harmtally::ranking {
namespace {

QString &cell(Row &row, Column column) { return row.cells[std::size_t(column)]; }

// The main window's last step, Command2 or Command2archi: the boxes as they stand go to
// computeDamage and its four results fill the result cells.
std::optional<Refusal> fillResults(Row &row, const Inputs &in, const QLocale &locale)
{
    const auto outcome = computeDamage({cell(row, Column::Requirement), cell(row, Column::BaseMin),
                                        cell(row, Column::BaseMax), in.strength,
                                        cell(row, Column::HitsPerMinute), in.seconds},
                                       locale);
    if (const auto *refusal = std::get_if<Refusal>(&outcome))
        return *refusal;
    const WorkingValues &values = std::get<WorkingValues>(outcome);
    cell(row, Column::HitMin) = values.hitMin;
    cell(row, Column::HitMax) = values.hitMax;
    cell(row, Column::TotalMin) = values.totalMin;
    cell(row, Column::TotalMax) = values.totalMax;
    return std::nullopt;
}

} // namespace

RowOutcome meleeRow(std::size_t weapon, const Inputs &in, const QLocale &locale)
{
    const MeleeWeaponRecord &record = meleeWeapons()[weapon];
    RowOutcome out{{weapon, {}}, std::nullopt};
    cell(out.row, Column::Name) = latin1(record.name);
    cell(out.row, Column::Requirement) = figureText(record.strengthReq);
    cell(out.row, Column::HitsPerMinute) = figureText(record.hitsPerMinute);
    cell(out.row, Column::BaseMin) = QString::number(record.minDamage);
    cell(out.row, Column::BaseMax) = QString::number(record.maxDamage);
    out.refusal = fillResults(out.row, in, locale);
    return out;
}

RowOutcome bowRow(std::size_t bow, std::size_t arrowKind, const Inputs &in, const QLocale &locale)
{
    const BowRecord &record = bows()[bow];
    const ArrowKind &kind = arrowKinds()[arrowKind];
    RowOutcome out{{bow * arrowKinds().size() + arrowKind, {}}, std::nullopt};
    cell(out.row, Column::Name) = latin1(record.name);
    cell(out.row, Column::ArrowKind) = latin1(kind.name);
    cell(out.row, Column::Requirement) = QString::number(record.strengthReq);
    cell(out.row, Column::HitsPerMinute) = QString::number(record.hitsPerMinute);

    const BaseFigures base{QString::number(record.minDamage), QString::number(record.maxDamage)};
    const auto raised = kind.levelRule ? applyTrueshotLevel(base, in.level, locale)
                                       : addToBase(base, kind.minBonus, kind.maxBonus, locale);
    if (const auto *refusal = std::get_if<Refusal>(&raised)) {
        // The window stops at Command8/Command9: no base of its own, nothing computed.
        out.refusal = *refusal;
        return out;
    }
    cell(out.row, Column::BaseMin) = std::get<BaseFigures>(raised).baseMin;
    cell(out.row, Column::BaseMax) = std::get<BaseFigures>(raised).baseMax;
    out.refusal = fillResults(out.row, in, locale);
    return out;
}

Table compute(const Inputs &in, const QLocale &locale)
{
    // The table speaks for all its rows with one message. A strength or seconds refused is
    // refused alike on every row and outweighs the rest; a level refused comes next, a result
    // too large last. A requirement the catalogue lacks is no refusal here: its row's results
    // are simply empty. No level typed yet (blank) only leaves the Trueshot rows empty: the
    // ranking opens before the player thinks of a level, and the other five kinds stand.
    const auto weight = [](const Refusal &refusal) {
        switch (refusal.reason) {
        case Refusal::Reason::StrengthOrSecondsMissing:
            return 3;
        case Refusal::Reason::InvalidValue:
            return 2;
        case Refusal::Reason::TooLarge:
            return 1;
        case Refusal::Reason::RequirementUnknown:
            break;
        }
        return 0;
    };
    const bool noLevel = in.level.trimmed().isEmpty();

    Table table;
    int heaviest = 0;
    const auto add = [&](RowOutcome outcome, bool isTrueshot) {
        if (outcome.refusal && !(isTrueshot && noLevel) && weight(*outcome.refusal) > heaviest) {
            heaviest = weight(*outcome.refusal);
            table.refusal = outcome.refusal;
        }
        table.rows.push_back(std::move(outcome.row));
    };
    if (in.mode == Mode::Melee) {
        table.rows.reserve(meleeWeapons().size());
        for (std::size_t w = 0; w < meleeWeapons().size(); ++w)
            add(meleeRow(w, in, locale), false);
    } else {
        table.rows.reserve(bows().size() * arrowKinds().size());
        for (std::size_t b = 0; b < bows().size(); ++b)
            for (std::size_t k = 0; k < arrowKinds().size(); ++k)
                add(bowRow(b, k, in, locale), arrowKinds()[k].levelRule);
    }
    return table;
}

SortKey sortKey(const Row &row, Column column, const QLocale &locale)
{
    const QString &cell = row.cells[std::size_t(column)];
    SortKey key;
    key.order = row.order;
    if (isText(column)) {
        key.words = cell.toCaseFolded();
        key.known = !key.words.isEmpty();
    } else if (const std::optional<double> figure = number(cell, locale)) {
        key.figure = *figure;
        key.known = true;
    }
    return key;
}

bool rankedBefore(const SortKey &a, const SortKey &b, Qt::SortOrder order)
{
    if (a.known != b.known)
        return a.known;
    if (a.known) {
        const int sign = a.words != b.words ? a.words.compare(b.words)
                                            : (a.figure > b.figure) - (a.figure < b.figure);
        if (sign != 0)
            return order == Qt::AscendingOrder ? sign < 0 : sign > 0;
    }
    return a.order < b.order;
}

std::vector<std::size_t> rankedOrder(std::span<const SortKey> keys, Qt::SortOrder order)
{
    std::vector<std::size_t> sequence(keys.size());
    for (std::size_t i = 0; i < sequence.size(); ++i)
        sequence[i] = i;
    std::ranges::sort(sequence, [&](std::size_t a, std::size_t b) {
        return rankedBefore(keys[a], keys[b], order);
    });
    return sequence;
}

void sortRows(std::vector<Row> &rows, Column column, Qt::SortOrder order, const QLocale &locale)
{
    // Each key made once, not once per comparison.
    std::vector<SortKey> keys(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys[i] = sortKey(rows[i], column, locale);
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : rankedOrder(keys, order))
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

bool beyondStrength(const Row &row, double strength, const QLocale &locale)
{
    const std::optional<double> req = number(row.cells[std::size_t(Column::Requirement)], locale);
    return req && *req > strength;
}

void keepWieldable(std::vector<Row> &rows, const QString &strength, const QLocale &locale)
{
    if (const std::optional<double> typed = number(strength, locale))
        std::erase_if(rows, [&](const Row &row) { return beyondStrength(row, *typed, locale); });
}

std::vector<Column> shownColumns(Mode mode)
{
    std::vector<Column> columns;
    for (const RankingColumn &column : kColumns)
        if (mode == Mode::Bow || column.id != Column::ArrowKind)
            columns.push_back(column.id);
    return columns;
}

} // namespace harmtally::ranking
