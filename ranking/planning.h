#pragma once

// The questions a player asks about tomorrow, answered with the main window's own computation:
// where two choices' totals cross, which catalogue choice deals the most at each strength, the
// strength a goal needs, and how long a foe lasts. Qt Core only: the windows and the command
// line use it alike.
//
// Per hit, every choice gains exactly 0.2 per point of boosted strength; over T seconds its
// total gains hits-per-minute x T / 300. So the totals of two choices with different hits per
// minute cross at one strength, the same for every number of seconds, and never otherwise.

#include "core/mode.h"
#include "ranking/ranking.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace harmtally::ranking {

// One thing the player can wield: a melee weapon (an index into meleeWeapons()), or a bow with
// an arrow kind (indices into bows() and arrowKinds()).
struct Pick {
    Mode mode = Mode::Melee;
    std::size_t item = 0;
    std::size_t arrowKind = 0; // bows only
    friend bool operator==(const Pick &, const Pick &) = default;
};

// The catalogue names: "Rusted Dirk", or a bow's and an arrow kind's joined by '/'
// ("Elm Flatbow/Pinpoint Arrows"); no catalogue name contains '/'.
QString pickName(const Pick &pick);
// The pick named exactly so, if any.
std::optional<Pick> findPick(const QString &name);
// The ranking row's catalogue order (Row::order) and back.
std::size_t pickOrder(const Pick &pick);
Pick pickAt(Mode mode, std::size_t order);

// The row the main window shows for the pick with these inputs, and its refusal if any.
RowOutcome pickRow(const Pick &pick, const Inputs &in, const QLocale &locale);

// A typed strength as the questions reach it. "0" in the main window's box is the empty box,
// which it refuses; the strength 0 is still a strength to compute, so it is written signed.
QString computedStrength(const QString &typed);

// Which of the two figures a question is about: the minimum or the maximum.
enum class Measure { Min, Max };

// Where two picks' totals over the seconds cross.
struct Crossing {
    Pick ahead;  // deals strictly more above the crossing
    Pick behind; // deals strictly more below it
    Measure measure;
    double strength;  // the exact crossing, which need not be whole (11.25 and 58.625 occur)
    int fromStrength; // the least whole strength at which `ahead` deals strictly more
};

// The crossing of a's and b's totals, when both hits per minute are known and differ. level is
// the Trueshot Quiver's level as typed (used by bows with that arrow kind only).
std::optional<Crossing> crossing(const Pick &a, const Pick &b, Measure measure,
                                 const QString &level, const QLocale &locale);

// Every crossing of two of the picks whose strength lies within from..to (both included), pair
// by pair in the picks' order, the maximum's before the minimum's.
std::vector<Crossing> crossings(std::span<const Pick> picks, const QString &level, double from,
                                double to, const QLocale &locale);

// A run of whole strengths [from, to] in which one pick deals the most over the seconds.
struct Band {
    int from;
    int to;
    Pick pick;
};

// For every whole strength from..to: the catalogue pick of `mode` (every bow with every arrow
// kind at `level`) that deals the most of `measure` over the seconds among those the player can
// wield at that strength (requirement at or below it). Rows without a requirement or hits per
// minute are left out; ties go to the earlier row in catalogue order. Strengths at which nothing
// can be wielded form no band.
std::vector<Band> bestBands(Mode mode, const QString &level, int from, int to, Measure measure,
                            const QLocale &locale);

// Whether the program's figures, written to 15 digits, keep apart at every whole strength
// from..to any two picks of `mode` whose totals differ there: otherwise their figures may tie
// where the lines do not, and no sweep along the lines can follow the program's own order. A
// Trueshot level with more digits than a figure holds (99.99999999999 against the +10 of
// another kind) does that.
bool figuresSeparate(Mode mode, const QString &level, int from, int to, Measure measure,
                     const QLocale &locale);

// The least whole boosted strength from 0 at which the minimum per hit reaches `target`
// (HitAtLeast), or the minimum over in.seconds reaches it (TotalAtLeast), by the program's own
// computation (it holds to the last digit, and one point less does not). With `wieldable` the
// answer is at least the requirement. Nothing when it can never be reached or a figure is
// unknown.
enum class Goal { HitAtLeast, TotalAtLeast };
std::optional<int> strengthNeeded(const Pick &pick, Goal goal, double target, const Inputs &in,
                                  bool wieldable, const QLocale &locale);

// How long a foe with `health` lasts at in's strength: hits (health / per-hit damage, rounded
// up) and seconds (60 x health / (hits per minute x per-hit damage), written as the main window
// writes figures), best case by the maximum and worst case by the minimum. Empty where a
// per-hit damage is at or below 0 or a figure is unknown.
struct Defeat {
    std::optional<double> hitsBest;
    std::optional<double> hitsWorst;
    QString secondsBest;
    QString secondsWorst;
};
Defeat timeToDefeat(const Pick &pick, double health, const Inputs &in, const QLocale &locale);

// One figure of `row` less the same figure of `first`, and that difference per cent of first's,
// written as the main window writes figures; empty where a figure is unknown (the per cent also
// where first's is 0).
struct Difference {
    QString amount;
    QString percent;
};
Difference difference(const Row &row, const Row &first, Column column, const QLocale &locale);

// What one more point of boosted strength adds to one of the row's results (HitMin..TotalMax):
// exactly a fifth per hit, and hits per minute x seconds / 300 over the seconds, whatever the
// strength. Empty where the result is unknown.
QString perStrengthPoint(const Row &row, Column column, const QString &seconds,
                         const QLocale &locale);

} // namespace harmtally::ranking
