#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QResource>

namespace harmtally::toolkit {
namespace {

constexpr double kPoints = 8.25;
constexpr double kHeadingPoints = 14.25;

QString standardFamily()
{
    // The designed dialog font where the machine has it, the bundled look-alike elsewhere.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                      ? QStringLiteral("MS Sans Serif")
                                      : QStringLiteral("Liberation Sans");
    return family;
}

QFont makeFont(const QString &family, double points, bool bold, int spacing = 100)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    return font;
}

// The display face runs a little wider than the layout was drawn for: set slightly tighter,
// "N. di colpi in 1 min." keeps to one line of its label.
constexpr int kDisplaySpacing = 95;

} // namespace

void registerFonts()
{
    for (const char *file : {"Berenika.ttf", "Berenika-Bold.ttf", "LiberationSans-Regular.ttf",
                             "LiberationSans-Bold.ttf"}) {
        // The fonts are stored uncompressed, so this lends the program's own read-only bytes in
        // place: no copy at registration, and none again when a font engine opens the face.
        const QResource font(QStringLiteral(":/fonts/") + QLatin1String(file));
        QFontDatabase::addApplicationFontFromData(font.uncompressedData());
    }
}

QFont fontFor(Font font)
{
    const QString display = QStringLiteral("Berenika");
    switch (font) {
    case Font::Display:
        return makeFont(display, kPoints, false, kDisplaySpacing);
    case Font::DisplayBold:
        return makeFont(display, kPoints, true, kDisplaySpacing);
    case Font::Heading:
        return makeFont(display, kHeadingPoints, false);
    case Font::Figure:
        return makeFont(standardFamily(), kPoints, true);
    case Font::Standard:
        break;
    }
    return makeFont(standardFamily(), kPoints, false);
}

} // namespace harmtally::toolkit
