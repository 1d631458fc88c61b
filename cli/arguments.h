#pragma once

// The words after a command: options from a fixed set, "--name value" or "--name=value" for
// those that take a value, and the other words in order.

#include <QHash>
#include <QString>
#include <QStringList>

namespace harmtally::cli {

struct Arguments {
    QStringList positional;
    QHash<QString, QString> options; // a flag given maps to an empty text
    QString error;                   // what is wrong with the words, or empty

    bool has(const QString &option) const { return options.contains(option); }
    QString value(const QString &option) const { return options.value(option); }
};

// known: each option's name and whether it takes a value. A value may start with '-' (a
// negative number), so the word after a valued option is always its value.
Arguments parseArguments(const QStringList &words, const QHash<QString, bool> &known);

} // namespace harmtally::cli
