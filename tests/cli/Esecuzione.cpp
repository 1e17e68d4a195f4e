#include "Esecuzione.h"

#include "text/Cp1252.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace verbolario::cli::test {
namespace {

std::string leggiFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace

CartellaTemp::CartellaTemp() {
    std::string modello = (std::filesystem::temp_directory_path() / "verbolario-cli-XXXXXX");
    if (!::mkdtemp(modello.data())) throw std::runtime_error("mkdtemp");
    path_ = modello;
}

CartellaTemp::~CartellaTemp() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string CartellaTemp::scrivi(const std::string& nome, const std::string& byte) const {
    std::ofstream f(file(nome), std::ios::binary);
    f << byte;
    return file(nome);
}

std::string CartellaTemp::leggi(const std::string& nome) const {
    return leggiFile(file(nome));
}

std::string programma() {
    return VERBOLARIO_CLI;
}

std::string cp(const std::string& utf8) {
    return cp1252::fromUtf8(utf8).value();
}

std::string dizionario(const std::vector<std::string>& righe) {
    std::string s;
    for (const std::string& r : righe) s += cp(r) + "\r\n";
    return s;
}

Esito esegui(const std::vector<std::string>& args, const std::string& input,
             const std::string& prog) {
    CartellaTemp io;
    const std::string in = io.scrivi("stdin", input);
    const std::string out = io.file("stdout"), err = io.file("stderr");
    const std::string exe = prog.empty() ? programma() : prog;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(exe.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        int fi = ::open(in.c_str(), O_RDONLY);
        int fo = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int fe = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fi < 0 || fo < 0 || fe < 0) ::_exit(126);
        ::dup2(fi, 0);
        ::dup2(fo, 1);
        ::dup2(fe, 2);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    Esito e;
    e.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
    e.out = leggiFile(out);
    e.err = leggiFile(err);
    return e;
}

} // namespace verbolario::cli::test
