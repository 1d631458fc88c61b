#pragma once

// The name rule shared by every catalogue: a pick-list's text finds the first row whose name
// equals it exactly, letter case and blanks included.

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string_view>

namespace harmtally {

inline QLatin1String latin1(std::string_view text)
{
    return QLatin1String(text.data(), qsizetype(text.size()));
}

template <class Rows>
auto findByName(const Rows &rows, const QString &name) -> decltype(&*rows.begin())
{
    const auto row
        = std::ranges::find_if(rows, [&](const auto &r) { return name == latin1(r.name); });
    return row == rows.end() ? nullptr : &*row;
}

template <class Texts> QStringList toStringList(const Texts &texts)
{
    QStringList list;
    list.reserve(qsizetype(texts.size()));
    for (std::string_view text : texts)
        list.append(latin1(text));
    return list;
}

} // namespace harmtally
