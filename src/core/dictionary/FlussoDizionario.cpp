#include "dictionary/FlussoDizionario.h"

#include "dictionary/CaricaDizionario.h"
#include "dictionary/RighePulite.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace verbolario {
namespace {

constexpr size_t kPezzo = size_t{256} << 10;

// Reads until buf[*pieni, cap) is full or the file ends; -1 on error (errno set), 0 at the
// end of the file, 1 otherwise.
int riempi(int fd, char* buf, size_t cap, size_t& pieni) {
    while (pieni < cap) {
        const ssize_t n = ::read(fd, buf + pieni, cap - pieni);
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) return 0;
        pieni += static_cast<size_t>(n);
    }
    return 1;
}

} // namespace

FlussoDizionario::FlussoDizionario(std::string percorso) : percorso_(std::move(percorso)) {}

FlussoDizionario::~FlussoDizionario() {
    if (fd_ >= 0) ::close(fd_);
}

bool FlussoDizionario::apri() {
    fd_ = ::open(percorso_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        errore_ = DescriviErroreFile(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        errore_ = DescriviErroreFile(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        errore_ = DescriviErroreFile(EISDIR);
        return false;
    }
    if (st.st_size >= static_cast<off_t>(UINT32_MAX)) {
        errore_ = "Il file \xE8 troppo grande per essere caricato.";
        return false;
    }
    dimensione_ = static_cast<size_t>(st.st_size);
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

int64_t FlussoDizionario::stima() const {
    // Word lists average a little over a dozen bytes a line.
    return static_cast<int64_t>(dimensione_ / 12 + 1);
}

bool FlussoDizionario::scorri(const std::function<bool(const Lotto&)>& visita) {
    if (fd_ < 0 || ::lseek(fd_, 0, SEEK_SET) != 0) {
        if (errore_.empty()) errore_ = DescriviErroreFile(fd_ < 0 ? EBADF : errno);
        return false;
    }
    size_t cap = kPezzo;
    std::vector<char> buf(cap + kMargineRighe);
    std::vector<Voci::Ref> refs;
    size_t pieni = 0, primo = 0;
    for (;;) {
        const int letto = riempi(fd_, buf.data(), cap, pieni);
        if (letto < 0) {
            errore_ = DescriviErroreFile(errno);
            return false;
        }
        const bool fine = letto == 0;
        refs.clear();
        const Spezzatura s = SpezzaRighePulite(buf.data(), pieni, fine, 0, refs);
        if (!refs.empty()) {
            if (!visita({buf.data(), refs.data(), refs.size(), primo, true, !s.segni})) return true;
            primo += refs.size();
        }
        if (!s.pulito) return scorriResto(buf.data() + s.fine, pieni - s.fine, primo, visita);
        if (fine) break;
        pieni -= s.fine;
        std::memmove(buf.data(), buf.data() + s.fine, pieni);
        if (pieni == cap) { // one line fills the buffer
            cap *= 2;
            buf.resize(cap + kMargineRighe);
        }
    }
    if (primo == 0) {
        // A file with no field at all is one empty entry.
        const Voci::Ref vuota{};
        visita({buf.data(), &vuota, 1, 0, true});
    }
    return true;
}

// The loader takes over the part already read and the rest of the file, from a line start,
// where it has no state to carry.
bool FlussoDizionario::scorriResto(const char* inizio, size_t n, size_t primo,
                                   const std::function<bool(const Lotto&)>& visita) {
    struct stat st {};
    const off_t pos = ::lseek(fd_, 0, SEEK_CUR);
    size_t cap = n + 1;
    if (::fstat(fd_, &st) == 0 && pos >= 0 && st.st_size > pos)
        cap += static_cast<size_t>(st.st_size - pos);
    Voci resto;
    try {
        auto testo = Voci::alloca(cap + kMargineRighe);
        std::memcpy(testo.get(), inizio, n);
        size_t pieni = n;
        for (;;) {
            const int letto = riempi(fd_, testo.get(), cap, pieni);
            if (letto < 0) {
                errore_ = DescriviErroreFile(errno);
                return false;
            }
            if (letto == 0) break;
            // The file grew while it was read.
            auto piu = Voci::alloca(cap * 2 + kMargineRighe);
            std::memcpy(piu.get(), testo.get(), pieni);
            testo = std::move(piu);
            cap *= 2;
        }
        NoPoll tutto;
        const EsitoCaricamento e = caricaDaBuffer(std::move(testo), pieni, resto, tutto);
        if (!e.ok) {
            errore_ = e.errore;
            return false;
        }
    } catch (const std::bad_alloc&) {
        errore_ = DescriviErroreFile(ENOMEM);
        return false;
    }
    constexpr size_t kPasso = 4096;
    for (size_t i = 0; i < resto.size(); i += kPasso) {
        const Lotto l{resto.data(), resto.refs().data() + i, std::min(kPasso, resto.size() - i),
                      primo + i,    resto.inOrdine(),        resto.senzaSegni()};
        if (!visita(l)) break;
    }
    return true;
}

} // namespace verbolario
