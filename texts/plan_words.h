#pragma once

// The compare and plan window's captions and messages: its controls' and notes', then the
// comparison's sentences and the chart's words.

#include "texts/shared_words.h"

namespace harmtally::plan::captions {

inline constexpr Bilingual kTitle = words::kPlanTitle;
inline constexpr Bilingual kNameLabel{.italian = "Scelta da a&ggiungere:",
                                      .english = "Add a c&hoice:"};
inline constexpr Bilingual kNameHint{.italian = "arma, o arco/frecce",
                                     .english = "weapon, or bow/arrows"};
inline constexpr Bilingual kAdd{.italian = "&Aggiungi", .english = "&Add"};
inline constexpr Bilingual kInputs[] = {
    words::kStrengthCaption,
    words::kSecondsCaption,
    words::kLevelCaption,
    {.italian = "Grafico &da:", .english = "Chart &from:"},
    {.italian = "fin&o a:", .english = "t&o:"},
};
inline constexpr Bilingual kCopy{.italian = "&Copia tabella", .english = "&Copy table"};
inline constexpr Bilingual kSave{.italian = "Salva &immagine…", .english = "Save &image…"};
inline constexpr Bilingual kRemove{.italian = "Togli %1", .english = "Remove %1"};
inline constexpr Bilingual kChartName{.italian = "Grafico: danno in base alla forza castata",
                                      .english = "Chart: damage by boosted strength"};
inline constexpr Bilingual kTableName{.italian = "Confronto", .english = "Comparison"};
inline constexpr Bilingual kSentencesName{.italian = "Incroci", .english = "Crossings"};
inline constexpr Bilingual kNoCrossing{.italian = "Nessun incrocio nell'intervallo del grafico.",
                                       .english = "No crossing within the chart's range."};
inline constexpr Bilingual kAtStrength{.italian = "Alla forza %1:", .english = "At strength %1:"};
inline constexpr Bilingual kNoCursor{.italian = "Forza castata non valida.",
                                     .english = "No readable boosted strength."};
inline constexpr Bilingual kOverSeconds{.italian = "in %1 s", .english = "over %1 s"};
inline constexpr Bilingual kOverTheSeconds{.italian = "nei secondi", .english = "over the seconds"};
inline constexpr Bilingual kPerHit{.italian = "per colpo", .english = "per hit"};
inline constexpr Bilingual kStrengthFigure{.italian = "forza castata %1",
                                           .english = "boosted strength %1"};
inline constexpr Bilingual kLevelFigure{.italian = "livello Trueshot %1",
                                        .english = "Trueshot level %1"};
inline constexpr Bilingual kBandsTitle{.italian = "Il migliore a ogni forza del grafico",
                                       .english = "Best at each strength of the chart"};
inline constexpr Bilingual kMelee = words::kMelee;
inline constexpr Bilingual kBows = words::kBows;
inline constexpr Bilingual kByMinimum{.italian = "per il mi&nimo", .english = "by the minim&um"};
inline constexpr Bilingual kTakeBand{.italian = "Me&tti a confronto",
                                     .english = "Add to compa&rison"};
inline constexpr Bilingual kBand{.italian = "da %1 a %2: %3", .english = "%1 to %2: %3"};
inline constexpr Bilingual kNoBand{.italian = "Nessuna scelta usabile in questo intervallo.",
                                   .english = "Nothing can be wielded in this range."};
inline constexpr Bilingual kTooWide{.italian = "Intervallo troppo ampio: al più %1 punti di forza.",
                                    .english = "Range too wide: %1 strength points at most."};
inline constexpr Bilingual kAdded{.italian = "Aggiunta: %1", .english = "Added: %1"};
inline constexpr Bilingual kFull{.italian = "Già quattro scelte: togline una prima.",
                                 .english = "Four choices already: remove one first."};
inline constexpr Bilingual kTwice{.italian = "%1 è già nel confronto.",
                                  .english = "%1 is compared already."};
inline constexpr Bilingual kUnknown{.italian = "Nessuna arma né arco/frecce si chiama «%1».",
                                    .english = "No weapon or bow/arrows is named “%1”."};
inline constexpr Bilingual kBowAlone{.italian = "Scegli anche le frecce: «%1/…».",
                                     .english = "Name its arrows too: “%1/…”."};
inline constexpr Bilingual kCopied{.italian = "Tabella copiata.", .english = "Table copied."};
inline constexpr Bilingual kSaved{.italian = "Immagine salvata in %1",
                                  .english = "Image saved to %1"};
inline constexpr Bilingual kNotSaved{.italian = "Immagine non salvata in %1: %2",
                                     .english = "The image was not saved to %1: %2"};
inline constexpr Bilingual kSaveTitle{.italian = "Salva immagine", .english = "Save image"};
inline constexpr Bilingual kSaveName{.italian = "confronto.png", .english = "comparison.png"};
// What is still to be typed, joined as a list: "Enter the strength and the seconds."
inline constexpr Bilingual kEnter{.italian = "Inserire %1.", .english = "Enter %1."};
inline constexpr Bilingual kMissing[] = {
    {.italian = "la forza", .english = "the strength"},
    {.italian = "i secondi", .english = "the seconds"},
    {.italian = "il livello Trueshot", .english = "the Trueshot level"},
};
inline constexpr Bilingual kAnd = words::kAnd;

// The comparison table's rows, in the order of its figures. "%1" is where the seconds go:
// "over 10 s", or "over the seconds" while none are typed.
inline constexpr Bilingual kCaptions[] = {
    {.italian = "Requisito di forza", .english = "Strength requirement"},
    {.italian = "Colpi al minuto", .english = "Hits per minute"},
    {.italian = "Danno base minimo", .english = "Base minimum"},
    {.italian = "Danno base massimo", .english = "Base maximum"},
    {.italian = "Minimo per colpo", .english = "Minimum per hit"},
    {.italian = "Massimo per colpo", .english = "Maximum per hit"},
    {.italian = "Minimo %1", .english = "Minimum %1"},
    {.italian = "Massimo %1", .english = "Maximum %1"},
    {.italian = "Massimo %1, rispetto alla 1ª", .english = "Maximum %1, vs first"},
    {.italian = "Massimo %1, rispetto alla 1ª (%)", .english = "Maximum %1, vs first (%)"},
    {.italian = "Minimo %1, rispetto alla 1ª", .english = "Minimum %1, vs first"},
    {.italian = "Minimo %1, rispetto alla 1ª (%)", .english = "Minimum %1, vs first (%)"},
    {.italian = "Un punto di forza in più, per colpo",
     .english = "One more strength point, per hit"},
    {.italian = "Un punto di forza in più, %1", .english = "One more strength point, %1"},
};

// The comparison: the crossings written out, the chart's key, axis titles and notes.
inline constexpr Bilingual kMaximum{.italian = "massimo", .english = "maximum"};
inline constexpr Bilingual kMinimum{.italian = "minimo", .english = "minimum"};
inline constexpr Bilingual kCrosses{
    .italian = "Sopra la forza %1, %2 infligge più di %3 in qualunque numero di secondi (%4; "
               "sopra %5 per il %6); sotto, meno.",
    .english = "Above strength %1, %2 deals more over any number of seconds than %3 (%4; above "
               "%5 for the %6); below it, less."};
inline constexpr Bilingual kCrossesElsewhere{
    .italian = "Sopra la forza %1, %2 infligge più di %3 in qualunque numero di secondi (%4; il %5 "
               "si incrocia fuori dall'intervallo del grafico); sotto, meno.",
    .english = "Above strength %1, %2 deals more over any number of seconds than %3 (%4; the %5 "
               "crosses outside the chart's range); below it, less."};
inline constexpr Bilingual kCrossesOnce{
    .italian = "Sopra la forza %1, %2 infligge più di %3 in qualunque numero di secondi (%4); "
               "sotto, meno.",
    .english = "Above strength %1, %2 deals more over any number of seconds than %3 (%4); below "
               "it, less."};
inline constexpr Bilingual kStaysAhead{
    .italian = "Rispetto a %1, %2 resta avanti di %3 per colpo a ogni forza (%4; %5 per il %6).",
    .english = "Against %1, %2 stays %3 ahead per hit at every strength (%4; %5 for the %6)."};
inline constexpr Bilingual kStaysAheadSplit{
    .italian = "Rispetto a %1, %2 resta avanti di %3 per colpo a ogni forza (%4); per il %6 è "
               "%1 avanti di %5.",
    .english = "Against %1, %2 stays %3 ahead per hit at every strength (%4); for the %6, %1 "
               "stays %5 ahead."};
inline constexpr Bilingual kSame{.italian = "%1 e %2 infliggono lo stesso danno a ogni forza.",
                                 .english = "%1 and %2 deal the same at every strength."};
inline constexpr Bilingual kKey[] = {
    kMaximum,
    kMinimum,
    {.italian = "requisito", .english = "requirement"},
    {.italian = "incrocio", .english = "crossing"},
};
inline constexpr Bilingual kStrengthTitle{.italian = "Forza castata (punti)",
                                          .english = "Boosted strength (points)"};
inline constexpr Bilingual kTotalTitle{.italian = "Danno in %1 s", .english = "Damage over %1 s"};
inline constexpr Bilingual kTotalTitleUntyped{.italian = "Danno nei secondi scelti",
                                              .english = "Damage over the seconds"};
inline constexpr Bilingual kNothingChosen{.italian = "Aggiungi un'arma o un arco da confrontare.",
                                          .english = "Add a weapon or a bow to compare."};
inline constexpr Bilingual kNoSeconds{.italian = "Inserire i secondi (un numero maggiore di 0).",
                                      .english = "Enter the seconds (a number above 0)."};
inline constexpr Bilingual kNoTotals{.italian = "Nessuna scelta ha totali da tracciare.",
                                     .english = "None of the choices has totals to draw."};
inline constexpr Bilingual kUndrawableRange{
    .italian = "Intervallo del grafico troppo stretto per numeri così grandi, o troppo ampio: uso "
               "%1–%2.",
    .english = "Chart range too narrow for numbers that large, or too wide: showing %1–%2."};
inline constexpr Bilingual kBadRange{
    .italian = "Intervallo del grafico non valido (da un numero a uno maggiore): uso %1–%2.",
    .english = "Chart range not valid (from a number to a larger one): showing %1–%2."};

} // namespace harmtally::plan::captions
