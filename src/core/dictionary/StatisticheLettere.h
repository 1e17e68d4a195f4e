#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace verbolario {

// How often each letter a-z occurs in the dictionary: per-mille shares, and the letter pool
// (capitals, frequent letters repeated) that the letter game draws from.
struct StatisticheLettere {
    std::array<int32_t, 26> perc{};
    std::string stringaLettere;
};

} // namespace verbolario
