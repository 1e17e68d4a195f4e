#include "Cli.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// A run is short and touches a few megabytes of fresh memory (the file, the entries and
// their references, a search's work arrays); the first touch of every 4 KB page is a fault,
// and those faults cost more than the work itself. So big blocks stay on the heap, where
// what one step frees the next one reuses, and the heap asks for 2 MB pages, so one fault
// maps 512 small ones. Where huge pages are off this changes nothing.
void preparaMemoria() {
    constexpr size_t kRiserva = size_t{64} << 20;
    constexpr size_t kSonda = size_t{16} << 20;
    constexpr uintptr_t kPaginaGrande = uintptr_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20); // the largest the allocator accepts
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, static_cast<int>(kRiserva));
    // A block larger than what the heap has free makes it grow by the block and the reserve;
    // freed, it leaves all that at the top of the heap, where the next blocks come from. Its
    // bookkeeping touches one page past its end, far above what a run normally uses (that
    // page's 2 MB stretch keeps small pages).
    void* sonda = std::malloc(kSonda);
    if (!sonda) return;
    const auto inizio = reinterpret_cast<uintptr_t>(sonda);
    std::free(sonda);
    // Only whole, aligned 2 MB stretches get huge pages: the bytes below the first boundary
    // are fenced off for good (never touched, so they cost nothing).
    const uintptr_t confine = (inizio + kPaginaGrande - 1) & ~(kPaginaGrande - 1);
    const auto fine = reinterpret_cast<uintptr_t>(sbrk(0));
    if (confine >= fine || confine - inizio < 64) return;
    if (!std::malloc(confine - inizio - 32)) return;
    madvise(reinterpret_cast<void*>(confine), fine - confine, MADV_HUGEPAGE);
}

} // namespace

int main(int argc, char** argv) {
    preparaMemoria();
    return verbolario::cli::run(argc, argv, std::cin, std::cout, std::cerr);
}
