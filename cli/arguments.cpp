#include "cli/arguments.h"

namespace harmtally::cli {

Arguments parseArguments(const QStringList &words, const QHash<QString, bool> &known)
{
    Arguments out;
    const auto fail = [&](const QString &problem) {
        out.error = problem;
        return out;
    };
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (!word.startsWith(u'-') || word.size() == 1) {
            out.positional.append(word);
            continue;
        }
        const qsizetype equals = word.indexOf(u'=');
        const QString name = equals < 0 ? word : word.left(equals);
        const auto option = known.find(name);
        if (option == known.end())
            return fail(QStringLiteral("unknown option '%1'").arg(name));
        if (out.has(name))
            return fail(QStringLiteral("%1 given twice").arg(name));
        QString value;
        if (*option && equals >= 0)
            value = word.mid(equals + 1);
        else if (*option && i + 1 < words.size())
            value = words[++i];
        else if (*option)
            return fail(QStringLiteral("%1 needs a value").arg(name));
        else if (equals >= 0)
            return fail(QStringLiteral("%1 takes no value").arg(name));
        out.options.insert(name, value);
    }
    return out;
}

} // namespace harmtally::cli
