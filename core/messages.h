#pragma once

// Every text of the error box, and the one line for a start without a display. Each carries
// Italian and English in one string, whatever the interface language.

#include <QString>

namespace harmtally::messages {

inline QString weaponNotFound()
{
    return QStringLiteral("Selezionare un arma.") + QString(109, u' ')
           + QStringLiteral("Choose a weapon, please.");
}

inline QString bowNotFound() { return QStringLiteral("Selezionare un arco/Choose a bow"); }

inline QString arrowKindNotFound()
{
    return QStringLiteral("Selezionare il tipo di freccie/Choose the type of quivers");
}

inline QString strengthOrSecondsMissing()
{
    return QStringLiteral("Inserire un numero maggiore di 0 nei campi 'Forza castata' e 'Secondi'.")
           + QString(32, u' ')
           + QStringLiteral(
               "Input a number bigger than 0 in the boxes.'Your boosted strenght' and 'Seconds'");
}

inline QString invalidValue()
{
    return QStringLiteral(
        "Valore non valido: inserire un numero./Invalid value: please enter a number.");
}

inline QString unknownRequirement()
{
    return QStringLiteral("Requisito di forza dell'arma sconosciuto./The weapon's strength "
                          "requirement is unknown.");
}

inline QString resultTooLarge()
{
    return QStringLiteral("Risultato troppo grande./Result too large.");
}

inline QString noDisplay()
{
    return QStringLiteral("Harmtally ha bisogno di una sessione grafica: 'harmtally --help' elenca "
                          "cosa funziona senza./Harmtally needs a desktop session: "
                          "'harmtally --help' lists what works without one.");
}

} // namespace harmtally::messages
