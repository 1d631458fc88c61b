#pragma once

// The ranking's columns as one table, in the order the window and the shell show them: each
// column's key for machines (CSV header, JSON key), its caption, whether it holds words or a
// figure, and the order a first click on its header ranks it in. The window's header, copy and
// export and every written format read this table, so a new column is one enumerator, one row
// here and its computation (ranking.cpp).

#include "core/mode.h"
#include "texts/column_words.h"

#include <QtCore/qnamespace.h>

#include <cstddef>
#include <iterator>
#include <vector>

namespace harmtally::ranking {

enum class Column {
    Name,
    ArrowKind, // empty for melee weapons: the window hides it, the shell leaves it out
    Requirement,
    HitsPerMinute,
    BaseMin,
    BaseMax,
    HitMin,
    HitMax,
    TotalMin,
    TotalMax,
    Count // not a column: how many there are, so that the table below is checked whole
};
inline constexpr std::size_t kColumnCount = std::size_t(Column::Count);

enum class Content {
    Text,   // words: left-aligned, ranked case-folded, quoted in JSON
    Figure, // right-aligned, read as a number in the rows' locale, JSON number or null
};

struct ColumnInfo {
    const char *key;
    Bilingual caption; // the window's header; the shell's aligned text takes the English
    Content content;
    Qt::SortOrder firstClick;
};

// Damage and speed rank best first; words, requirements and goals from the lowest.
inline constexpr Qt::SortOrder kLowFirst = Qt::AscendingOrder;
inline constexpr Qt::SortOrder kHighFirst = Qt::DescendingOrder;

struct RankingColumn {
    Column id;
    ColumnInfo info;
};

// clang-format off
inline constexpr RankingColumn kColumns[] = {
    {Column::Name,          {"name",          column_words::kWeapon,        Content::Text,   kLowFirst}},
    {Column::ArrowKind,     {"arrows",        column_words::kArrows,        Content::Text,   kLowFirst}},
    {Column::Requirement,   {"requirement",   column_words::kRequirement,   Content::Figure, kLowFirst}},
    {Column::HitsPerMinute, {"hitsPerMinute", column_words::kHitsPerMinute, Content::Figure, kHighFirst}},
    {Column::BaseMin,       {"baseMin",       column_words::kBaseMin,       Content::Figure, kHighFirst}},
    {Column::BaseMax,       {"baseMax",       column_words::kBaseMax,       Content::Figure, kHighFirst}},
    {Column::HitMin,        {"hitMin",        column_words::kHitMin,        Content::Figure, kHighFirst}},
    {Column::HitMax,        {"hitMax",        column_words::kHitMax,        Content::Figure, kHighFirst}},
    {Column::TotalMin,      {"totalMin",      column_words::kTotalMin,      Content::Figure, kHighFirst}},
    {Column::TotalMax,      {"totalMax",      column_words::kTotalMax,      Content::Figure, kHighFirst}},
};
// clang-format on

constexpr bool everyColumnOnceInOrder()
{
    if (std::size(kColumns) != kColumnCount)
        return false;
    for (std::size_t i = 0; i < kColumnCount; ++i)
        if (kColumns[i].id != Column(i))
            return false;
    return true;
}
static_assert(everyColumnOnceInOrder(), "kColumns needs one row per Column, in Column's order");

constexpr const ColumnInfo &columnInfo(Column column) { return kColumns[std::size_t(column)].info; }
constexpr bool isText(Column column) { return columnInfo(column).content == Content::Text; }

// The columns a mode shows, in order: ArrowKind for bows only.
std::vector<Column> shownColumns(Mode mode);

} // namespace harmtally::ranking
