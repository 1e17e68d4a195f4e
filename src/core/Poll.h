#pragma once

#include <cstdint>

namespace verbolario {

// What a long loop of the engine sees of its caller: a chance to let pending user input
// run, the stop request that input may have raised, and a place to report progress.
// The program implements it over its event loop; tests and the command line use
// simple versions. Loops call stop() often, so implementations keep it cheap.
class Poll {
public:
    virtual ~Poll() = default;
    // Lets pending input run (at the implementation's own pace) and says whether the
    // user asked to stop.
    virtual bool stop() = 0;
    // position out of total; called at most a few hundred times per loop.
    virtual void progress(int64_t position, int64_t total) {
        (void)position;
        (void)total;
    }
};

// Never stops, reports nothing.
class NoPoll final : public Poll {
public:
    bool stop() override { return false; }
};

} // namespace verbolario
