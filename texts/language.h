#pragma once

#include <QString>

namespace harmtally {

enum class Language { English, Italian };

// A text in both interface languages. Written with its fields named wherever it is written
// ({.italian = "...", .english = "..."}), so that a swapped pair reads wrong at a glance.
struct Bilingual {
    const char *italian; // UTF-8
    const char *english; // UTF-8

    QString in(Language language) const
    {
        return QString::fromUtf8(language == Language::Italian ? italian : english);
    }

    // Both at once, Italian first, as the error box and the texts beyond the design show them.
    QString both(QStringView between) const
    {
        return QString::fromUtf8(italian).append(between).append(QString::fromUtf8(english));
    }
};

} // namespace harmtally
