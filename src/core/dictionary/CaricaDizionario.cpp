#include "dictionary/CaricaDizionario.h"

#include "dictionary/RighePulite.h"
#include "text/Cp1252.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace verbolario {

std::string DescriviErroreFile(int err) {
    switch (err) {
    case ENOENT:
        return "File non trovato.";
    case EACCES:
    case EPERM:
        return "Permesso negato.";
    case EISDIR:
        return "Il percorso indicato \xE8 una cartella, non un file.";
    case ENOMEM:
        return "Memoria insufficiente.";
    case ENAMETOOLONG:
        return "Nome del file troppo lungo.";
    case ENOTDIR:
        return "Percorso non trovato.";
    default:
        return "Errore di lettura del file (" + cp1252::fromUtf8Lossy(std::strerror(err)) + ").";
    }
}

namespace {

EsitoCaricamento fallito(Voci& voci, std::string msg) {
    voci.clear();
    EsitoCaricamento e;
    e.errore = std::move(msg);
    return e;
}

enum : unsigned char { kNormale = 0, kVirgola = 1, kFineRiga = 2 };
struct Classi {
    unsigned char c[256]{};
    unsigned char lower[256]{};
    Classi() {
        for (int i = 0; i < 256; ++i) lower[i] = cp1252::lower(static_cast<unsigned char>(i));
        c[static_cast<unsigned char>(',')] = kVirgola;
        c[static_cast<unsigned char>('\r')] = kFineRiga;
        c[static_cast<unsigned char>('\n')] = kFineRiga;
    }
};
const Classi kClassi;

// The entries read are the dictionary; a file with no field at all gives one empty entry.
EsitoCaricamento adotta(Voci::Buffer buf, size_t used, size_t size, std::vector<Voci::Ref> refs,
                        Voci& voci, EsitoCaricamento esito, bool senzaSegni = false) {
    if (refs.empty()) refs.push_back({});
    if (refs.capacity() > refs.size() + refs.size() / 8 + 64) refs.shrink_to_fit();
    voci.adopt(std::move(buf), used, size + 1 + kMargineRighe, std::move(refs), senzaSegni);
    esito.ok = true;
    return esito;
}

// Parses buf[da, size) in place: each entry is written back, lower-cased, at or before the
// place it was read from, so the buffer ends up holding exactly the entries. The entries
// before da are already in refs and are left where they are.
EsitoCaricamento analizza(Voci::Buffer buf, size_t size, size_t da, std::vector<Voci::Ref> refs,
                          Voci& voci, Poll& poll) {
    char* b = buf.get();
    size_t r = da, w = da;
    // One entry per line is the common case; commas only add a few more.
    size_t lines = 1;
    for (const char* q = b + da; (q = static_cast<const char*>(std::memchr(q, '\n', b + size - q)));
         ++q)
        ++lines;
    refs.reserve(refs.size() + lines + 16);
    EsitoCaricamento esito;
    const int64_t total = static_cast<int64_t>(size);
    int64_t nextReport = 0;
    const int64_t step = total / 100 + 1;
    while (r < size) {
        if (poll.stop()) {
            esito.interrotto = true;
            break;
        }
        if (static_cast<int64_t>(r) >= nextReport) {
            poll.progress(static_cast<int64_t>(r), total);
            nextReport = static_cast<int64_t>(r) + step;
        }
        while (r < size && b[r] == ' ') ++r;
        const size_t start = w;
        if (r < size && b[r] == '"') {
            ++r;
            const void* q = std::memchr(b + r, '"', size - r);
            size_t end = q ? static_cast<size_t>(static_cast<const char*>(q) - b) : size;
            for (; r < end; ++r)
                b[w++] = static_cast<char>(kClassi.lower[static_cast<unsigned char>(b[r])]);
            if (r < size) ++r; // the closing quote
            // Whatever follows the closing quote up to the delimiter is not part of the field.
            while (r < size && kClassi.c[static_cast<unsigned char>(b[r])] == kNormale) ++r;
        } else {
            for (; r < size; ++r) {
                auto c = static_cast<unsigned char>(b[r]);
                if (kClassi.c[c] != kNormale) break;
                b[w++] = static_cast<char>(kClassi.lower[c]);
            }
        }
        if (r < size) {
            char d = b[r++];
            if (d == '\r' && r < size && b[r] == '\n') ++r;
        }
        size_t s = start, e = w;
        while (s < e && b[s] == ' ') ++s;
        while (e > s && b[e - 1] == ' ') --e;
        w = e; // trailing blanks given back to the buffer
        refs.push_back({static_cast<uint32_t>(s), static_cast<uint32_t>(e - s)});
    }
    return adotta(std::move(buf), w, size, std::move(refs), voci, esito);
}

// The lines of buf[0, size) as they stand, a megabyte at a time, as far as they need no field
// rules; the full parser takes over from the first line that does.
EsitoCaricamento carica(Voci::Buffer buf, size_t size, Voci& voci, Poll& poll) {
    constexpr size_t kPezzo = size_t{1} << 20;
    std::vector<Voci::Ref> refs;
    EsitoCaricamento esito;
    size_t fatto = 0;
    bool segni = false;
    while (fatto < size) {
        if (poll.stop()) {
            esito.interrotto = true;
            return adotta(std::move(buf), size, size, std::move(refs), voci, esito, !segni);
        }
        poll.progress(static_cast<int64_t>(fatto), static_cast<int64_t>(size));
        const bool ultimo = size - fatto <= kPezzo;
        const size_t n = ultimo ? size - fatto : kPezzo;
        const Spezzatura s =
            SpezzaRighePulite(buf.get() + fatto, n, ultimo, static_cast<uint32_t>(fatto), refs);
        segni = segni || s.segni;
        // The first piece tells how long the lines are: room for all of them, once.
        if (fatto == 0 && !ultimo && s.fine > 0)
            refs.reserve(
                static_cast<size_t>(static_cast<double>(refs.size()) * static_cast<double>(size) /
                                    static_cast<double>(s.fine) * 1.02) +
                1024);
        if (!s.pulito)
            return analizza(std::move(buf), size, fatto + s.fine, std::move(refs), voci, poll);
        // A line longer than a piece: the next piece starts where it does and is longer.
        if (s.fine == 0 && !ultimo) {
            const void* lf = std::memchr(buf.get() + fatto, '\n', size - fatto);
            const size_t fine =
                lf ? static_cast<size_t>(static_cast<const char*>(lf) - buf.get()) + 1 : size;
            const Spezzatura lunga = SpezzaRighePulite(
                buf.get() + fatto, fine - fatto, fine == size, static_cast<uint32_t>(fatto), refs);
            segni = segni || lunga.segni;
            if (!lunga.pulito)
                return analizza(std::move(buf), size, fatto + lunga.fine, std::move(refs), voci,
                                poll);
            fatto = fine;
            continue;
        }
        fatto += s.fine;
    }
    return adotta(std::move(buf), size, size, std::move(refs), voci, esito, !segni);
}

} // namespace

EsitoCaricamento CaricaDizionario(const std::string& path, Voci& voci, Poll& poll) {
    voci.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fallito(voci, DescriviErroreFile(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        return fallito(voci, DescriviErroreFile(err));
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fallito(voci, DescriviErroreFile(EISDIR));
    }
    if (st.st_size >= static_cast<off_t>(UINT32_MAX)) {
        ::close(fd);
        return fallito(voci, "Il file \xE8 troppo grande per essere caricato.");
    }
    try {
        size_t cap = static_cast<size_t>(st.st_size) + 1;
        auto buf = Voci::alloca(cap + kMargineRighe);
        size_t got = 0;
        for (;;) {
            if (got == cap) { // the file grew while we read it
                if (cap >= UINT32_MAX / 2) {
                    ::close(fd);
                    return fallito(voci, "Il file \xE8 troppo grande per essere caricato.");
                }
                auto bigger = Voci::alloca(cap * 2 + kMargineRighe);
                std::memcpy(bigger.get(), buf.get(), got);
                buf = std::move(bigger);
                cap *= 2;
            }
            ssize_t n = ::read(fd, buf.get() + got, cap - got);
            if (n < 0) {
                if (errno == EINTR) continue;
                int err = errno;
                ::close(fd);
                return fallito(voci, DescriviErroreFile(err));
            }
            if (n == 0) break;
            got += static_cast<size_t>(n);
        }
        ::close(fd);
        return carica(std::move(buf), got, voci, poll);
    } catch (const std::bad_alloc&) {
        ::close(fd);
        return fallito(voci, DescriviErroreFile(ENOMEM));
    }
}

EsitoCaricamento caricaDaBuffer(Voci::Buffer buf, size_t size, Voci& voci, Poll& poll) {
    voci.clear();
    return carica(std::move(buf), size, voci, poll);
}

EsitoCaricamento caricaDaTesto(std::string_view text, Voci& voci, Poll& poll) {
    voci.clear();
    try {
        auto buf = Voci::alloca(text.size() + 1 + kMargineRighe);
        std::memcpy(buf.get(), text.data(), text.size());
        return carica(std::move(buf), text.size(), voci, poll);
    } catch (const std::bad_alloc&) {
        return fallito(voci, DescriviErroreFile(ENOMEM));
    }
}

int64_t LengMax(const Voci& voci) {
    int64_t m = 0;
    for (const Voci::Ref& r : voci.refs()) m = std::max<int64_t>(m, r.len);
    return m;
}

} // namespace verbolario
