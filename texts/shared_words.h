#pragma once

// Words said alike in more than one place of the program, written once.

#include "texts/language.h"

namespace harmtally::words {

inline constexpr Bilingual kRankingTitle{.italian = "Classifica armi", .english = "Rank weapons"};
inline constexpr Bilingual kPlanTitle{.italian = "Confronta e pianifica",
                                      .english = "Compare and plan"};
// The inputs of the ranking and of the plan window, with their mnemonics.
inline constexpr Bilingual kStrengthCaption{.italian = "&Forza castata:",
                                            .english = "Boosted s&trength:"};
inline constexpr Bilingual kSecondsCaption{.italian = "&Secondi:", .english = "&Seconds:"};
inline constexpr Bilingual kLevelCaption{.italian = "&Livello Trueshot:",
                                         .english = "Trueshot &level:"};
inline constexpr Bilingual kMelee{.italian = "Armi da &mischia", .english = "&Melee"};
inline constexpr Bilingual kBows{.italian = "A&rchi", .english = "&Bows"};
// Joins the last two of a list.
inline constexpr Bilingual kAnd{.italian = " e ", .english = " and "};

} // namespace harmtally::words
