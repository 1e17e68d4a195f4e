#include "PollInterruzione.h"

#include <csignal>

namespace verbolario::cli {
namespace {

volatile std::sig_atomic_t interrompi = 0;

extern "C" void suInterruzione(int) {
    interrompi = 1;
}

} // namespace

void PollInterruzione::attiva() {
    struct sigaction sa {};
    sa.sa_handler = suInterruzione;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
}

bool PollInterruzione::stop() {
    return interrompi != 0;
}

} // namespace verbolario::cli
