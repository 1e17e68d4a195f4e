#pragma once

#include <string>
#include <string_view>

namespace verbolario {

// The text read backwards, last character first.
inline std::string revWord(std::string_view testo) {
    return std::string(testo.rbegin(), testo.rend());
}

} // namespace verbolario
