#pragma once

#include "search/RisultatoRicerca.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace verbolario {

class Form1;

// How the main window shows what a search hands back.

// The result list holds at most this many lines; a search that finds more says so and lists
// the first ones. (Millions of lines would take seconds to show and nobody reads them.)
inline constexpr size_t kCapacitaList1 = 32736;
inline constexpr std::string_view kCapacitaSuperata = "Superata la capacit\xE0 della lista!";

// Replaces the lines of List1. Above 1000 lines the list stops redrawing until the search's
// final block, so it is drawn once, complete.
void riempiList1(Form1& f, const std::vector<std::string>& righe);

// The normal end of a search: a horizontal scroll extent that lets the longest line be read,
// and the message font for the window's current size.
void adattaList1(Form1& f);

// The whole result: its message box (exclamation icon) first, as the search met the cause
// before listing, then the list, the selected line, the status and the beep. A search that
// declined to run only writes its status and beeps, and the list keeps what it had. Lines
// past the list's capacity are dropped, with the capacity message when the search gave none.
void mostraRisultato(Form1& f, RisultatoRicerca r);

// The lines of List1 as the engine reads them (Windows-1252).
std::vector<std::string> righeList1(const Form1& f);

} // namespace verbolario
