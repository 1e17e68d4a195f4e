#include "dictionary/SaveDictionary.h"

#include "dictionary/EliminaDoppi.h"
#include "dictionary/OrdinaStringhe.h"
#include "text/Cp1252.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace verbolario {
namespace {

std::string motivo(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return "spazio su disco esaurito.";
    case EFBIG:
        return "il file supera la dimensione consentita.";
    case EACCES:
    case EPERM:
        return "permesso negato.";
    case EROFS:
        return "il disco \xE8 in sola lettura.";
    case ENOENT:
    case ENOTDIR:
        return "cartella non trovata.";
    case EISDIR:
        return "il percorso indicato \xE8 una cartella.";
    case ENAMETOOLONG:
        return "nome del file troppo lungo.";
    case EIO:
        return "errore di scrittura sul disco.";
    default:
        return cp1252::fromUtf8Lossy(std::strerror(err)) + ".";
    }
}

EsitoSalvataggio fallito(const std::string& path, int err) {
    EsitoSalvataggio e;
    e.errore = "Impossibile salvare il file " + cp1252::fromUtf8Lossy(path) + ": " + motivo(err);
    return e;
}

// Buffered writes to a file descriptor; the first failure is kept and ends all writing.
class Scrittore {
public:
    explicit Scrittore(int fd) : fd_(fd), buf_(std::make_unique_for_overwrite<char[]>(kCap)) {}

    void riga(std::string_view s) {
        scrivi(s);
        scrivi("\r\n");
    }
    bool svuota() {
        size_t fatto = 0;
        while (err_ == 0 && fatto < len_) {
            ssize_t n = ::write(fd_, buf_.get() + fatto, len_ - fatto);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                err_ = n < 0 ? errno : EIO;
            else
                fatto += static_cast<size_t>(n);
        }
        len_ = 0;
        return err_ == 0;
    }
    int errore() const { return err_; }

private:
    static constexpr size_t kCap = 1 << 20;
    void scrivi(std::string_view s) {
        while (!s.empty() && err_ == 0) {
            if (len_ == kCap) svuota();
            size_t k = std::min(s.size(), kCap - len_);
            std::memcpy(buf_.get() + len_, s.data(), k);
            len_ += k;
            s.remove_prefix(k);
        }
    }
    int fd_;
    std::unique_ptr<char[]> buf_;
    size_t len_ = 0;
    int err_ = 0;
};

// The file the save really replaces: the target of a symbolic link, so the link survives.
std::string destinazione(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* r = ::realpath(path.c_str(), nullptr)) {
            std::string out(r);
            std::free(r);
            return out;
        }
    }
    return path;
}

std::string cartella(const std::string& path) {
    size_t s = path.rfind('/');
    if (s == std::string::npos) return ".";
    return s == 0 ? "/" : path.substr(0, s);
}

// A new file beside path, created with the usual permissions (the umask applies).
int creaTemporaneo(const std::string& path, std::string& nome) {
    std::random_device rd;
    const std::string dir = cartella(path);
    const std::string base = path.substr(path.rfind('/') + 1);
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        nome = dir + "/." + base + "." + std::to_string(rd() % 1000000) + ".tmp";
        int fd = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void sincronizzaCartella(const std::string& path) {
    int fd = ::open(cartella(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

EsitoSalvataggio interrotto() {
    EsitoSalvataggio e;
    e.interrotto = true;
    e.errore = "Salvataggio interrotto: il file non \xE8 stato modificato.";
    return e;
}

// The new file takes the old one's permissions (a read-only dictionary stays read-only) and,
// where allowed, its owner. Best effort: neither is a reason to fail the save.
void copiaPermessi(int fd, const std::string& path) {
    struct stat vecchio {};
    if (::stat(path.c_str(), &vecchio) != 0) return;
    (void)::fchown(fd, vecchio.st_uid, vecchio.st_gid);
    (void)::fchmod(fd, vecchio.st_mode & 0777);
}

// Writes the new contents to a temporary file beside path, flushes it to disk and renames it
// over path. produci writes the lines and returns false to cancel.
EsitoSalvataggio sostituisci(const std::string& richiesto,
                             const std::function<bool(Scrittore&)>& produci) {
    if (richiesto.empty()) return fallito(richiesto, ENOENT);
    const std::string path = destinazione(richiesto);
    std::string tmp;
    int fd = creaTemporaneo(path, tmp);
    if (fd < 0) return fallito(richiesto, errno);
    copiaPermessi(fd, path);
    Scrittore w(fd);
    const bool completo = produci(w);
    int err = 0;
    if (completo && !w.svuota()) err = w.errore();
    if (completo && err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (completo && err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
    if (completo && err == 0) {
        sincronizzaCartella(path);
        return {true, false, {}};
    }
    ::unlink(tmp.c_str());
    return completo ? fallito(richiesto, err) : interrotto();
}

// Entries with spaces at either end are stored trimmed.
void rifila(Voci& voci) {
    for (size_t i = 0; i < voci.size(); ++i) {
        std::string_view v = voci[i];
        if (v.empty() || (v.front() != ' ' && v.back() != ' ')) continue;
        size_t a = v.find_first_not_of(' ');
        v = a == std::string_view::npos ? std::string_view{}
                                        : v.substr(a, v.find_last_not_of(' ') - a + 1);
        voci.set(i, v);
    }
}

// One entry, one line. A comma would end the entry when the file is read again, so an entry
// holding one (a field that was quoted in the file it came from, or one typed by the user) is
// written between double quotes, which the loader reads back whole; a quoted field cannot
// hold a double quote, so an entry with both is written as it stands.
void scriviVoce(Scrittore& w, std::string_view voce) {
    if (voce.empty()) return;
    if (voce.find(',') == std::string_view::npos || voce.find('"') != std::string_view::npos) {
        w.riga(voce);
        return;
    }
    std::string citata;
    citata.reserve(voce.size() + 2);
    citata.append(1, '"').append(voce).append(1, '"');
    w.riga(citata);
}

} // namespace

std::string domandaSostituzione(std::string_view percorso) {
    return "Attenzione, Questa procedura eliminer\xE0 il file \r\n" + std::string(percorso) +
           "\r\nper sostituirlo con l'attuale dizionario.\r\n\r\nContinuo?";
}

EsitoSalvataggio SaveDictionary(Voci& voci, const std::string& path, Poll& poll) {
    // Trimmed before sorting, so that the file comes out sorted and without repeats.
    rifila(voci);
    if (!OrdinaStringhe(voci, poll)) return interrotto();
    CleanArray(voci);
    return sostituisci(path, [&voci, &poll](Scrittore& w) {
        const size_t n = voci.size();
        for (size_t i = 0; i < n; ++i) {
            if ((i & 0xFFFF) == 0) {
                if (poll.stop()) return false;
                poll.progress(static_cast<int64_t>(i), static_cast<int64_t>(n));
            }
            scriviVoce(w, voci[i]);
        }
        return true;
    });
}

EsitoSalvataggio SalvaLista(const std::vector<std::string>& righe, const std::string& path) {
    return sostituisci(path, [&righe](Scrittore& w) {
        for (const std::string& r : righe) w.riga(r);
        return true;
    });
}

} // namespace verbolario
