#pragma once

#include "Poll.h"

#include <QElapsedTimer>

#include <functional>

namespace verbolario {

class Contesto;

// The engine's Poll over the Qt event loop: pending input (the stop button, Enter) runs at
// most every ~20 ms, then the stop request is read from the context. Engine loops call stop()
// thousands of times a second, so most calls only bump a counter.
class PollEventi final : public Poll {
public:
    explicit PollEventi(Contesto& ctx);

    bool stop() override;
    void progress(int64_t position, int64_t total) override;

    // Where progress goes (the window's progress bar); nothing when unset.
    std::function<void(int64_t, int64_t)> suProgresso;

    static constexpr int kIntervalloMs = 20;

private:
    Contesto& ctx_;
    QElapsedTimer orologio_;
    unsigned contatore_ = 0;
};

} // namespace verbolario
