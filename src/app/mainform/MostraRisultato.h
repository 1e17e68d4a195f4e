#pragma once

#include "search/RisultatoRicerca.h"

#include <string>
#include <vector>

namespace verbolario {

class Form1;

// How the main window shows what a search hands back.

// Replaces the lines of List1. Above 1000 lines the list stops redrawing until the search's
// final block, so it is drawn once, complete.
void riempiList1(Form1& f, const std::vector<std::string>& righe);

// The normal end of a search: a horizontal scroll extent that lets the longest line be read,
// and the message font for the window's current size.
void adattaList1(Form1& f);

// The whole result: its message box (exclamation icon) first, as the search met the cause
// before listing, then the list, the selected line, the status and the beep. A search that
// declined to run only writes its status and beeps, and the list keeps what it had.
void mostraRisultato(Form1& f, const RisultatoRicerca& r);

// The lines of List1 as the engine reads them (Windows-1252).
std::vector<std::string> righeList1(const Form1& f);

} // namespace verbolario
