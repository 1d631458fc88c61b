#pragma once

// Every text of the error box, and the lines for a start without a display or without the
// windows' library. The error box's texts carry Italian and English in one string, whatever
// the interface language.

#include "texts/shared_words.h"

#include <QString>

namespace harmtally::messages {

inline QString weaponNotFound()
{
    return Bilingual{.italian = "Selezionare un arma.", .english = "Choose a weapon, please."}.both(
        QString(109, u' '));
}

inline QString bowNotFound()
{
    return Bilingual{.italian = "Selezionare un arco", .english = "Choose a bow"}.both(u"/");
}

inline QString arrowKindNotFound()
{
    return Bilingual{.italian = "Selezionare il tipo di freccie",
                     .english = "Choose the type of quivers"}
        .both(u"/");
}

inline QString strengthOrSecondsMissing()
{
    return Bilingual{
        .italian = "Inserire un numero maggiore di 0 nei campi 'Forza castata' e 'Secondi'.",
        .english
        = "Input a number bigger than 0 in the boxes.'Your boosted strenght' and 'Seconds'"}
        .both(QString(32, u' '));
}

inline QString invalidValue()
{
    return Bilingual{.italian = "Valore non valido: inserire un numero.",
                     .english = "Invalid value: please enter a number."}
        .both(u"/");
}

inline QString unknownRequirement()
{
    return Bilingual{.italian = "Requisito di forza dell'arma sconosciuto.",
                     .english = "The weapon's strength requirement is unknown."}
        .both(u"/");
}

inline QString resultTooLarge()
{
    return Bilingual{.italian = "Risultato troppo grande.", .english = "Result too large."}.both(
        u"/");
}

inline QString noDisplay()
{
    return Bilingual{.italian = "Harmtally ha bisogno di una sessione grafica: 'harmtally --help' "
                                "elenca cosa funziona senza.",
                     .english = "Harmtally needs a desktop session: 'harmtally --help' lists what "
                                "works without one."}
        .both(u"/");
}

// The launcher's line when the windows' library cannot be opened: where it looked (joined by
// words::kAnd) and why, in the interface language alone.
inline constexpr Bilingual kWindowsMissing{
    .italian = "harmtally: manca la libreria delle finestre, cercata in %1 (%2)",
    .english = "harmtally: the windows' library is missing, looked for %1 (%2)"};

} // namespace harmtally::messages
