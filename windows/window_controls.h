#pragma once

// The controls of the secondary windows, each enum in its window's design order; the first
// enumerator is the window itself.

namespace harmtally {

enum class Form2Control { Window, Label2, Label1, Command1 };
enum class Form3Control { Window, Label1, Esci };
enum class Form4Control { Window, Option1, Option2, Command1, Command2, Tipo, armi, archi };

} // namespace harmtally
