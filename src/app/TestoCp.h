#pragma once

#include <QString>

#include <string>
#include <string_view>

// The engine and the files speak Windows-1252; the widgets speak QString. Every crossing
// between the two goes through these two functions, so no other file guesses an encoding.
namespace verbolario::testo {

QString daCp1252(std::string_view bytes);
// Characters the code page cannot hold become '?': a typed text must never be refused
// outright, and the searches treat '?' as an ordinary wildcard or character anyway.
std::string aCp1252(const QString& text);

} // namespace verbolario::testo
