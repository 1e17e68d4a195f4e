#pragma once

#include <iosfwd>

namespace verbolario::cli {

// Exit codes of verbolario-cli.
inline constexpr int kOk = 0;
// The command could not finish its work (an output file not written, a stop request).
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kLoadFailed = 3;

int run(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace verbolario::cli
