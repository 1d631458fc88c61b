#pragma once

// The one way a window writes a file the player asked for (a CSV export, a chart's image).

#include <QByteArray>
#include <QString>

namespace harmtally::toolkit {

// Writes bytes to path whole, or not at all: an older file there stays exactly as it was unless
// every byte of the new one reached the disk. Returns why it failed, or an empty text.
QString saveWhole(const QString &path, const QByteArray &bytes);

} // namespace harmtally::toolkit
