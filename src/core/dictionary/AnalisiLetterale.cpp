#include "dictionary/AnalisiLetterale.h"

#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace verbolario {
namespace {

// Four interleaved tables, so runs of the same byte do not wait on one counter.
struct Contatore {
    std::array<std::array<uint64_t, 256>, 4> t{};

    void conta(const unsigned char* p, size_t n) {
        size_t i = 0;
        for (; i + 4 <= n; i += 4) {
            ++t[0][p[i]];
            ++t[1][p[i + 1]];
            ++t[2][p[i + 2]];
            ++t[3][p[i + 3]];
        }
        for (; i < n; ++i) ++t[0][p[i]];
    }

    std::array<int64_t, 26> lettere() const {
        std::array<int64_t, 26> c{};
        for (const auto& tab : t)
            for (int l = 0; l < 26; ++l) c[l] += static_cast<int64_t>(tab['a' + l] + tab['A' + l]);
        return c;
    }
};

constexpr size_t kBlocco = 1 << 20;

// Counts the text in blocks, so the stop request and the progress are heard.
bool contaTesto(std::string_view testo, Contatore& cont, Poll& poll) {
    const auto* p = reinterpret_cast<const unsigned char*>(testo.data());
    for (size_t pos = 0; pos < testo.size(); pos += kBlocco) {
        if (poll.stop()) return false;
        cont.conta(p + pos, std::min(kBlocco, testo.size() - pos));
        poll.progress(static_cast<int64_t>(pos), static_cast<int64_t>(testo.size()));
    }
    return true;
}

// Whether the argument names an existing regular file (otherwise it is text).
bool nomeDiFile(std::string_view argomento) {
    if (argomento.size() >= PATH_MAX || argomento.find('\0') != std::string_view::npos)
        return false;
    struct stat st {};
    return ::stat(std::string(argomento).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A read error ends the count quietly: the analysis goes on with what was read.
bool contaFile(int fd, Contatore& cont, Poll& poll) {
    struct stat st {};
    const int64_t totale = ::fstat(fd, &st) == 0 ? static_cast<int64_t>(st.st_size) : 0;
    auto buf = std::make_unique_for_overwrite<unsigned char[]>(kBlocco);
    int64_t letti = 0;
    for (;;) {
        if (poll.stop()) return false;
        ssize_t n = ::read(fd, buf.get(), kBlocco);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
        cont.conta(buf.get(), static_cast<size_t>(n));
        letti += n;
        poll.progress(letti, std::max(totale, letti));
    }
}

// share / 10 + 1 rounded half to even, in integers: 115 -> 12, 125 -> 14.
size_t volteNelMucchio(int32_t perc) {
    const int32_t x = perc + 10;
    int32_t q = x / 10;
    const int32_t r = x % 10;
    if (r > 5 || (r == 5 && q % 2 == 1)) ++q;
    return static_cast<size_t>(q);
}

} // namespace

StatisticheLettere statisticheDaConteggi(const std::array<int64_t, 26>& conteggi) {
    int64_t totale = 0;
    for (int64_t c : conteggi) totale += c;
    StatisticheLettere s;
    for (int l = 0; l < 26; ++l) {
        // Exact integer arithmetic: the share is truncated, and a floating quotient could
        // land just below a whole number.
        s.perc[l] = totale ? static_cast<int32_t>(conteggi[l] * 1000 / totale) : 0;
        s.stringaLettere.append(volteNelMucchio(s.perc[l]), static_cast<char>('A' + l));
    }
    return s;
}

bool AnalisiLetterale(std::string_view argomento, StatisticheLettere& stat, Poll& poll) {
    if (argomento.empty()) return true;
    auto cont = std::make_unique<Contatore>();
    bool completo;
    if (nomeDiFile(argomento)) {
        // A file that cannot be read counts as an empty text.
        int fd = ::open(std::string(argomento).c_str(), O_RDONLY | O_CLOEXEC);
        completo = fd < 0 || contaFile(fd, *cont, poll);
        if (fd >= 0) ::close(fd);
    } else {
        completo = contaTesto(argomento, *cont, poll);
    }
    if (!completo) return false;
    stat = statisticheDaConteggi(cont->lettere());
    return true;
}

bool AnalisiLetterale(const Voci& voci, StatisticheLettere& stat, Poll& poll) {
    auto cont = std::make_unique<Contatore>();
    const size_t n = voci.size();
    for (size_t i = 0; i < n; ++i) {
        if ((i & 0x3FFF) == 0) {
            if (poll.stop()) return false;
            poll.progress(static_cast<int64_t>(i), static_cast<int64_t>(n));
        }
        std::string_view v = voci[i];
        cont->conta(reinterpret_cast<const unsigned char*>(v.data()), v.size());
    }
    stat = statisticheDaConteggi(cont->lettere());
    return true;
}

bool AnalisiLetterale(FonteVoci& fonte, StatisticheLettere& stat, Poll& poll) {
    auto cont = std::make_unique<Contatore>();
    bool fermato = false;
    const bool letto = fonte.scorri([&](const Lotto& l) {
        if (poll.stop()) {
            fermato = true;
            return false;
        }
        for (size_t k = 0; k < l.n; ++k)
            cont->conta(reinterpret_cast<const unsigned char*>(l.testo + l.refs[k].off),
                        l.refs[k].len);
        return true;
    });
    if (fermato || !letto) return false;
    stat = statisticheDaConteggi(cont->lettere());
    return true;
}

} // namespace verbolario
