#pragma once

namespace verbolario {

class Form1;

// Gives the main window its three games: each game's panel is created as a child of the
// window and wired to the mode switch and the start button.
void installaGiochi(Form1& f);

} // namespace verbolario
