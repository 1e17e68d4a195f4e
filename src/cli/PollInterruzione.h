#pragma once

#include "Poll.h"

namespace verbolario::cli {

// The terminal's stop button: the first Ctrl-C asks the running search to stop, and the
// hits found so far are still printed; a second Ctrl-C ends the process as usual.
class PollInterruzione final : public Poll {
public:
    PollInterruzione();
    bool stop() override;
};

} // namespace verbolario::cli
