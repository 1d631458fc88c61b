#pragma once

#include <QString>

namespace harmtally {

enum class Language { English, Italian };

// One language's side of a text: made only from a non-empty literal, at compile time, and with
// no default, so a translation left out or left empty stops the build instead of showing nothing.
class LanguageText {
public:
    consteval LanguageText(const char *utf8)
        : utf8_(utf8)
    {
        if (utf8 == nullptr || *utf8 == '\0')
            throw "every text needs words in every language";
    }
    constexpr const char *utf8() const { return utf8_; }

private:
    const char *utf8_;
};

// A text in every interface language. Written with its fields named wherever it is written
// ({.italian = "...", .english = "..."}), so that a swapped pair reads wrong at a glance; a
// new language is one more field here and one more line in each text of texts/.
struct Bilingual {
    LanguageText italian; // UTF-8
    LanguageText english; // UTF-8

    QString in(Language language) const
    {
        switch (language) {
        case Language::English:
            return QString::fromUtf8(english.utf8());
        case Language::Italian:
            return QString::fromUtf8(italian.utf8());
        }
        Q_UNREACHABLE();
        return {};
    }

    // Both at once, Italian first, as the error box and the texts beyond the design show them.
    QString both(QStringView between) const
    {
        return QString::fromUtf8(italian.utf8())
            .append(between)
            .append(QString::fromUtf8(english.utf8()));
    }
};

} // namespace harmtally
