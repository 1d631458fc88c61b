#pragma once

// What the ranking window says: its captions, its status line and its notes.

#include "texts/shared_words.h"

namespace harmtally::ranking::window_words {

inline constexpr Bilingual kWieldable{.italian = "Solo quelle che posso &usare",
                                      .english = "Only what I can &wield"};
inline constexpr Bilingual kCompare{.italian = "Confronta", .english = "Compare"};
inline constexpr Bilingual kExportButton{.italian = "Esporta &CSV…", .english = "E&xport CSV…"};
// The labels of the boxes, in the order of the boxes.
inline constexpr Bilingual kCaptions[] = {
    words::kStrengthCaption,
    words::kSecondsCaption,
    words::kLevelCaption,
    {.italian = "C&erca:", .english = "Searc&h:"},
};
// The goal box's items, in its order.
inline constexpr Bilingual kGoals[] = {
    {.italian = "Nessun obiettivo", .english = "No goal"},
    {.italian = "Ogni colpo almeno", .english = "Every hit at least"},
    {.italian = "Nei secondi almeno", .english = "Over the seconds at least"},
    {.italian = "Nemico con salute", .english = "A foe with health"},
};
inline constexpr Bilingual kGoalName{.italian = "Obiettivo", .english = "Goal"};
inline constexpr Bilingual kGoalValueName{.italian = "Valore dell'obiettivo",
                                          .english = "Goal value"};
inline constexpr Bilingual kSearchHint{.italian = "nome dell'arma o delle frecce",
                                       .english = "weapon or arrow name"};
inline constexpr Bilingual kTableName{.italian = "Classifica", .english = "Ranking"};

// The status line: the counts, what hides rows, then what is still to type.
inline constexpr Bilingual kWeaponCount{.italian = "%1 armi", .english = "%1 weapons"};
inline constexpr Bilingual kBowCount{.italian = "%1 archi con frecce",
                                     .english = "%1 bows with arrows"};
inline constexpr Bilingual kHiddenBySearch{.italian = "%1 dalla ricerca",
                                           .english = "%1 by the search"};
inline constexpr Bilingual kHiddenByStrength{.italian = "%1 oltre la tua forza",
                                             .english = "%1 above your strength"};
inline constexpr Bilingual kWeaponsHidden{.italian = ", %1 nascoste (%2)",
                                          .english = ", %1 hidden (%2)"};
inline constexpr Bilingual kBowsHidden{.italian = ", %1 nascosti (%2)",
                                       .english = ", %1 hidden (%2)"};
inline constexpr Bilingual kBoth{.italian = "Inserire forza e secondi.",
                                 .english = "Enter strength and seconds."};
inline constexpr Bilingual kStrength{.italian = "Inserire la forza castata.",
                                     .english = "Enter the boosted strength."};
inline constexpr Bilingual kSeconds{.italian = "Inserire i secondi.",
                                    .english = "Enter the seconds."};
inline constexpr Bilingual kNoLevel{
    .italian = "Trueshot Quiver senza cifre: inserire il livello Trueshot.",
    .english = "Trueshot Quiver has no figures until a Trueshot level is typed."};
inline constexpr Bilingual kStatusName{.italian = "Stato: ", .english = "Status: "};

// The notes after an action, and the export dialog.
inline constexpr Bilingual kChosen{.italian = "Scelta: %1", .english = "Chosen: %1"};
inline constexpr Bilingual kSelectToCompare{.italian = "Selezionare da 2 a 4 righe da confrontare.",
                                            .english = "Select 2 to 4 rows to compare."};
inline constexpr Bilingual kNeedsStrength{.italian = "Richiede forza %1",
                                          .english = "Needs strength %1"};
inline constexpr Bilingual kFailed{.italian = "Esportazione in %1 non riuscita: %2",
                                   .english = "Could not export to %1: %2"};
inline constexpr Bilingual kExported{.italian = "Esportate %1 righe in %2",
                                     .english = "Exported %1 rows to %2"};
inline constexpr Bilingual kExportTitle{.italian = "Esporta CSV", .english = "Export CSV"};
inline constexpr Bilingual kSpreadsheetFilter{.italian = "Foglio di calcolo, cifre come %1 (*.csv)",
                                              .english = "Spreadsheet, figures as %1 (*.csv)"};
inline constexpr Bilingual kProgramFilter{.italian = "Per programmi, come harmtally rank (*.csv)",
                                          .english = "For programs, as harmtally rank (*.csv)"};
inline constexpr Bilingual kExportName{.italian = "classifica.csv", .english = "ranking.csv"};

} // namespace harmtally::ranking::window_words
