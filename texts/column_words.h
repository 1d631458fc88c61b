#pragma once

// The captions of the ranking's columns and of the goal columns it adds, as the ranking window's
// header shows them (the shell's aligned text takes the English).

#include "texts/language.h"

namespace harmtally::column_words {

inline constexpr Bilingual kWeapon{.italian = "Arma", .english = "Weapon"};
inline constexpr Bilingual kArrows{.italian = "Frecce", .english = "Arrows"};
inline constexpr Bilingual kRequirement{.italian = "Req.", .english = "Str req."};
inline constexpr Bilingual kHitsPerMinute{.italian = "Colpi/min", .english = "Hits/min"};
inline constexpr Bilingual kBaseMin{.italian = "Min base", .english = "Min base"};
inline constexpr Bilingual kBaseMax{.italian = "Max base", .english = "Max base"};
inline constexpr Bilingual kHitMin{.italian = "Min colpo", .english = "Min per hit"};
inline constexpr Bilingual kHitMax{.italian = "Max colpo", .english = "Max per hit"};
inline constexpr Bilingual kTotalMin{.italian = "Min totale", .english = "Min total"};
inline constexpr Bilingual kTotalMax{.italian = "Max totale", .english = "Max total"};

// The goal columns.
inline constexpr Bilingual kStrengthNeeded{.italian = "Forza necessaria", .english = "Str needed"};
inline constexpr Bilingual kMoreThanNow{.italian = "Più di ora", .english = "More than now"};
inline constexpr Bilingual kHitsBest{.italian = "Colpi, al meglio", .english = "Hits, best"};
inline constexpr Bilingual kHitsWorst{.italian = "Colpi, al peggio", .english = "Hits, worst"};
inline constexpr Bilingual kSecondsBest{.italian = "Secondi, al meglio",
                                        .english = "Seconds, best"};
inline constexpr Bilingual kSecondsWorst{.italian = "Secondi, al peggio",
                                         .english = "Seconds, worst"};

// The columns only the shell writes, in English alone, as its aligned text writes every caption.
inline constexpr const char *kMaxTotalDifference = "Max total diff.";
inline constexpr const char *kDifferencePercent = "Diff. %";
inline constexpr const char *kPerStrengthPoint = "Max total per str. point";
inline constexpr const char *kAhead = "Ahead";
inline constexpr const char *kBehind = "Behind";
inline constexpr const char *kMeasure = "Measure";
inline constexpr const char *kCrossing = "Crossing";
inline constexpr const char *kAheadFrom = "Ahead from";
inline constexpr const char *kFrom = "From";
inline constexpr const char *kTo = "To";

} // namespace harmtally::column_words
