#pragma once

#include <functional>

namespace verbolario {

class Form1;
class FinestraEnigmistica;
class FinestraHelp;
class frmGraf;
class frmOpt;
class frmSplash;

// Connects the main window's requests for the help and the other auxiliary windows.
// Installing twice is harmless.
void installaFinestre(Form1& f);

// The help window of the main window, created on first use.
FinestraHelp& finestraHelp(Form1& f);

// The letter distribution graph if it is open, else null.
frmGraf* graficoAperto(Form1& f);
// Opens the graph, or redraws and raises the open one.
frmGraf& apriGrafico(Form1& f);
// The about box, modal, with the main window hidden meanwhile. `prepara` (tests) sees the
// box before it runs.
void mostraAbout(Form1& f, const std::function<void(frmSplash&)>& prepara = {});

// "Enigmistica...": the word-play window, created on first use and kept (with its list)
// while the main window lives; shown and brought to the front.
FinestraEnigmistica& apriEnigmistica(Form1& f);

// "Sfondo...": the options window with only its background frame, modal over the main
// window. `prepara` (tests) sees the window before it runs.
void mostraSfondo(Form1& f, const std::function<void(frmOpt&)>& prepara = {});

} // namespace verbolario
