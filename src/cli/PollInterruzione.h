#pragma once

#include "Poll.h"

namespace verbolario::cli {

// The terminal's stop button: the first Ctrl-C asks the running search to stop, and the
// hits found so far are still printed; a second Ctrl-C ends the process as usual.
class PollInterruzione final : public Poll {
public:
    // Takes over Ctrl-C. Only work over the dictionary asks for it: while the program waits
    // for its input, Ctrl-C keeps its usual meaning.
    void attiva();
    bool stop() override;
};

} // namespace verbolario::cli
