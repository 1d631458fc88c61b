#pragma once

// The names of every window's controls, each enum in its window's design order. They are the
// vocabulary that the design tables, the bilingual text table and the handlers share. The first
// enumerator, Window, is the window itself.

namespace harmtally {

// The main window, Form1.
enum class Form1Control {
    Window,
    Label2,        // heading "Req. Arma" over Text1
    Label3,        // heading "Forza (castata)" over Text2
    Label14,       // heading "LvL :" over Text9 (Trueshot Quiver only)
    Label1,        // "Frz", beside Text1
    Text1,         // figure box: the weapon's strength requirement
    Text2,         // the player's boosted strength
    Text9,         // the Trueshot Quiver's level
    Command9,      // "ok": applies the Trueshot level to the base figures
    Label4,        // heading over Mindmg
    Label5,        // heading over Maxdmg
    Mindmg,        // figure box: minimum base damage
    Maxdmg,        // figure box: maximum base damage
    Label8,        // heading "N. di colpi in 1 min." over Text5
    Label9,        // heading "Secondi" over Text6
    Text5,         // figure box: hits per minute
    Text6,         // the number of seconds
    Command2,      // melee "OK": checks and computes
    Command2archi, // bow "OK": checks and computes
    Label6,        // results heading over Text3
    Label7,        // results heading over Text4
    Text3,         // figure box: minimum damage per hit
    Text4,         // figure box: maximum damage per hit
    Label12,       // results heading over Text7
    Label13,       // results heading over Text8
    Label10,       // "per N sec." over Text7
    Label11,       // "per N sec." over Text8
    Text7,         // figure box: minimum damage over the seconds
    Text8,         // figure box: maximum damage over the seconds
    Command3,      // melee "Calcola": shows the results, back to the choice of weapon
    calcolaarchi,  // bow "Calcola": shows the results, back to the choice of bow
    combo2,        // bow pick-list
    Combo1,        // melee weapon pick-list
    Command1,      // melee "OK": looks the weapon up
    Command7,      // bow "OK": looks the bow up
    combo3,        // arrow kind pick-list
    Command8,      // arrow "OK": applies the arrow kind
    lingua,        // opens the language and mode window
    Command6,      // opens the Instructions window
    Command5,      // opens the About window
    Command4,      // "&Esci": ends the program
};

// The About window, Form2.
enum class Form2Control {
    Window,
    Label2,   // the program's name and version
    Label1,   // the credits text
    Command1, // "&Chiudi": closes the window
};

// The Instructions window, Form3.
enum class Form3Control {
    Window,
    Label1, // the instructions text
    Esci,   // "&Chiudi": closes the window
};

// The language and mode window, Form4.
enum class Form4Control {
    Window,
    Option1,  // English
    Option2,  // Italian
    Command1, // "Cambia/Change it": applies the choices
    Command2, // "&Chiudi/Close": closes the window
    Tipo,     // frame of the kind of weapon
    armi,     // melee weapons
    archi,    // bows
};

} // namespace harmtally
