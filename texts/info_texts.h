#pragma once

// The long texts of the information windows (UTF-8), known while compiling so that the text
// table can check them.

namespace harmtally {

// Long single lines on purpose: the runs of blanks belong to the texts. Designed: with double
// quotes; the Italian step writes single quotes.
// clang-format off
inline constexpr const char *kInstructionsDesigned = " Scusate per le istruzioni, lo so che sono un offesa per voi data la semplicità del programma :)  (Beh cmq non si sa mai, circolano certi player ;) ).                                                        Allora.... Selezionate un'arma e nei campi \"Danno max BASE\", \"Danno min BASE\" e \" Req.\" compariranno i relaviti valori. Ora inserite la vostra forza (Castata) nell'apposito campo e premete OK. A questo punto premete calcola ed il gioco e fatto : nei cambi danno MIN e danno MAX compariranno i danni. Scusatemi ancora :P";
inline constexpr const char *kInstructionsItalian = " Scusate per le istruzioni, lo so che sono un offesa per voi data la semplicità del programma :)  (Beh cmq non si sa mai, circolano certi player ;) ).                                                        Allora.... Selezionate un'arma e nei campi 'Danno max BASE', 'Danno min BASE' e ' Req.' compariranno i relaviti valori. Ora inserite la vostra forza (Castata) nell'apposito campo e premete OK. A questo punto premete calcola ed il gioco e fatto : nei cambi danno MIN e danno MAX compariranno i danni. Scusatemi ancora :P";
inline constexpr const char *kInstructionsEnglish = "First of all select your weapon and press ok. In the box 'Str', 'MIN Damage base', 'MAX Damage base' and 'Hits per min.'will appear the value of the weapon that you have selcted. Then press ok and put in the apposite boxes your boosted strenght and the number of seconds; at the least press calculate :)";
inline constexpr const char *kAboutItalian = "Harmtally è stato scritto da noi, the Harmtally team, per tutti i giocatori. Ci scusiamo se i nomi delle armi non sono tradotti in italiano.                                 Se qualcuno ha voglia di tradurli, ci mandi pure le traduzioni dei nomi delle armi, scritte in colonna in un semplice file di testo, all'indirizzo harmtally@example.org. Allo stesso indirizzo segnalateci gli errori del programma e anche quelli del nostro italiano. Per favore, non scriveteci solo per chiederci a cosa serve il programma: se non lo sapete, probabilmente non vi serve :)";
inline constexpr const char *kAboutEnglish = "Harmtally was made by the Harmtally team: please report any error you find in the program to harmtally@example.org, thank you.";
// clang-format on

} // namespace harmtally
