#pragma once

// Finding a catalogue name as a person types it: in a shell, or in the compare window's field.

#include <QString>
#include <QStringList>

#include <optional>

namespace harmtally {

struct NameMatch {
    std::optional<qsizetype> found; // the index in names
    QStringList closest;            // when nothing is found: up to three names, closest first
};

// The exact name wins (the first, as the catalogues look up); otherwise the one name equal to
// the typed one when letter case and runs of blanks do not count; otherwise nothing, with the
// closest names (those that hold the typed text, or are a few edits away).
NameMatch matchName(const QStringList &names, const QString &typed);

// The names the commands take, in catalogue order.
QStringList meleeNames();
QStringList bowNames();
QStringList arrowKindNames();

} // namespace harmtally
