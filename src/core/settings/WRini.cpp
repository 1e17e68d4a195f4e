#include "settings/WRini.h"

#include "text/Cp1252.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace verbolario {

namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool stessoNome(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (cp1252::lower(static_cast<unsigned char>(a[i])) !=
            cp1252::lower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// One line of the file as the lookup sees it.
struct Riga {
    enum Tipo { Altro, Sezione, Chiave } tipo = Altro;
    std::string_view nome;
    std::string_view valore;
};

Riga analizza(std::string_view line) {
    std::string_view t = trim(line);
    Riga r;
    if (t.empty() || t[0] == ';' || t[0] == '#') return r;
    if (t[0] == '[') {
        size_t close = t.find(']');
        if (close == std::string_view::npos) return r;
        r.tipo = Riga::Sezione;
        r.nome = trim(t.substr(1, close - 1));
        return r;
    }
    size_t eq = t.find('=');
    if (eq == std::string_view::npos) return r;
    r.tipo = Riga::Chiave;
    r.nome = trim(t.substr(0, eq));
    r.valore = trim(t.substr(eq + 1));
    return r;
}

// The file's lines. A byte-order mark (an editor may save the file as UTF-8 with one) belongs
// to the file, not to its first line, and is written back in front of it; anywhere else the
// same bytes are part of a name.
struct Contenuto {
    bool bom = false;
    std::vector<std::string_view> lines;
};

Contenuto righe(std::string_view text) {
    Contenuto out;
    out.bom = text.starts_with(kBom);
    if (out.bom) text.remove_prefix(kBom.size());
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (line.ends_with('\r')) line.remove_suffix(1);
        out.lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return out;
}

// Where a section sits: its header line and the line after its last line.
struct Posizione {
    size_t intestazione = 0;
    size_t fine = 0;
};

std::optional<Posizione> trovaSezione(const std::vector<std::string_view>& lines,
                                      std::string_view sezione) {
    for (size_t i = 0; i < lines.size(); ++i) {
        Riga r = analizza(lines[i]);
        if (r.tipo != Riga::Sezione || !stessoNome(r.nome, sezione)) continue;
        size_t j = i + 1;
        while (j < lines.size() && analizza(lines[j]).tipo != Riga::Sezione) ++j;
        return Posizione{i, j};
    }
    return std::nullopt;
}

std::optional<size_t> trovaChiave(const std::vector<std::string_view>& lines, Posizione p,
                                  std::string_view key) {
    for (size_t i = p.intestazione + 1; i < p.fine; ++i) {
        Riga r = analizza(lines[i]);
        if (r.tipo == Riga::Chiave && stessoNome(r.nome, key)) return i;
    }
    return std::nullopt;
}

enum class Lettura { Letto, Assente, Errore };

// The whole file; Assente only when it does not exist, so that a file we cannot read is never
// mistaken for an empty one and overwritten.
Lettura leggiFile(const std::string& path, std::string& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? Lettura::Assente : Lettura::Errore;
    char buf[8192];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return Lettura::Errore;
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return Lettura::Letto;
}

bool scriviTutto(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

int apriTemporaneo(const std::string& target, std::string& tmp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tmp = target + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(attempt);
        int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool scriviAtomico(const std::string& target, std::string_view content) {
    std::string tmp;
    int fd = apriTemporaneo(target, tmp);
    if (fd < 0) return false;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) (void)::fchmod(fd, st.st_mode & 07777);
    bool ok = scriviTutto(fd, content) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

bool haInterruzioni(std::string_view s) {
    return s.find_first_of("\r\n\0"sv) != s.npos;
}

bool nomiValidi(std::string_view sezione, std::string_view key) {
    if (sezione.empty() || key.empty() || haInterruzioni(sezione) || haInterruzioni(key))
        return false;
    // Such a name, first in the file, would be read as the file's byte-order mark.
    if (sezione.starts_with(kBom) || key.starts_with(kBom)) return false;
    if (sezione.find(']') != std::string_view::npos) return false;
    if (key.find('=') != std::string_view::npos) return false;
    return key[0] != '[' && key[0] != ';' && key[0] != '#';
}

// A symlinked settings file stays a symlink: the new content goes where it points.
std::string destinazione(const std::string& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    fs::path real = fs::weakly_canonical(path, ec);
    return ec ? path : real.string();
}

std::string concatena(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out.append(p);
    return out;
}

std::string unisci(const Contenuto& c) {
    std::string out(c.bom ? kBom : std::string_view());
    for (std::string_view l : c.lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace

WRini::WRini(std::string programFolder)
    : path_(std::move(programFolder) + "/Verbolario.ini"), alternativo_(percorsoUtente()) {}

std::string WRini::percorsoUtente() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : ".") + "/.config";
    }
    return base + "/Verbolario/Verbolario.ini";
}

void WRini::setIniPath(const std::string& path) {
    path_ = cp1252::lowered(path) == "win" ? alternativo_ : path;
}

std::string WRini::LeggiINI(std::string_view key, std::string_view def) const {
    std::string text;
    if (leggiFile(path_, text) != Lettura::Letto) return std::string(def);
    const std::vector<std::string_view> lines = righe(text).lines;
    std::string_view sez = trim(sezione_);
    std::string_view k = trim(key);
    std::optional<Posizione> p = trovaSezione(lines, sez);
    if (!p || k.empty() || sez.empty()) return std::string(def);
    std::optional<size_t> at = trovaChiave(lines, *p, k);
    if (!at) return std::string(def);
    std::string_view v = analizza(lines[*at]).valore;
    return std::string(v.substr(0, kMaxValore));
}

int64_t WRini::ScriviINI(std::string_view key, std::string_view value) {
    std::string_view sez = trim(sezione_);
    std::string_view k = trim(key);
    if (!nomiValidi(sez, k) || haInterruzioni(value)) return 0;
    try {
        std::string target = destinazione(path_);
        if (path_ == alternativo_) {
            std::error_code ec;
            fs::create_directories(fs::path(target).parent_path(), ec);
        }
        std::string text;
        if (leggiFile(target, text) == Lettura::Errore) return 0;
        Contenuto contenuto = righe(text);
        std::vector<std::string_view>& lines = contenuto.lines;
        std::string riga = concatena({k, "=", value});
        std::optional<Posizione> p = trovaSezione(lines, sez);
        if (!p) {
            if (!lines.empty() && !trim(lines.back()).empty()) lines.push_back({});
            std::string header = concatena({"[", sez, "]"});
            lines.push_back(header);
            lines.push_back(riga);
            return scriviAtomico(target, unisci(contenuto)) ? 1 : 0;
        }
        if (std::optional<size_t> at = trovaChiave(lines, *p, k)) {
            // Keep the key's spelling as found; only the value changes.
            Riga old = analizza(lines[*at]);
            if (old.valore == trim(value)) return 1;
            riga = concatena({old.nome, "=", value});
            lines[*at] = riga;
        } else {
            // After the section's last non-blank line, so a blank line before the next
            // section stays where it is.
            size_t dove = p->fine;
            while (dove > p->intestazione + 1 && trim(lines[dove - 1]).empty()) --dove;
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(dove), riga);
        }
        return scriviAtomico(target, unisci(contenuto)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

} // namespace verbolario
