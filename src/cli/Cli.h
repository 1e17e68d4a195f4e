#pragma once

#include <iosfwd>

namespace verbolario::cli {

// Exit codes of verbolario-cli.
inline constexpr int kOk = 0;
inline constexpr int kUsage = 2;
inline constexpr int kLoadFailed = 3;

int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace verbolario::cli
