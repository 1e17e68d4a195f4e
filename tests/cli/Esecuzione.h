#pragma once

// Runs the command-line program as a user would, in folders of its own.

#include "text/Cp1252.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace verbolario::cli::test {

// What one run of the command-line program left behind.
struct Esito {
    int codice = -1;
    std::string out, err;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class CartellaTemp {
public:
    CartellaTemp() {
        path_ = std::filesystem::temp_directory_path() / "verbolario-cli-XXXXXX";
        if (!::mkdtemp(path_.data())) throw std::runtime_error("mkdtemp");
    }
    ~CartellaTemp() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    CartellaTemp(const CartellaTemp&) = delete;
    CartellaTemp& operator=(const CartellaTemp&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& nome) const { return path_ + "/" + nome; }
    // Writes the bytes as they are and returns the file's path.
    std::string scrivi(const std::string& nome, const std::string& byte) const {
        std::ofstream(file(nome), std::ios::binary) << byte;
        return file(nome);
    }
    std::string leggi(const std::string& nome) const {
        std::ostringstream s;
        s << std::ifstream(file(nome), std::ios::binary).rdbuf();
        return s.str();
    }

private:
    std::string path_;
};

// The program's own path under test.
inline std::string programma() {
    return VERBOLARIO_CLI;
}

// A dictionary file's bytes: the UTF-8 lines in Windows-1252, each ended by CR LF.
inline std::string dizionario(const std::vector<std::string>& righe) {
    std::string s;
    for (const std::string& r : righe) s += cp1252::fromUtf8(r).value() + "\r\n";
    return s;
}

// Runs the program (the built one unless `prog` names a copy) with the arguments and
// standard input, collecting both outputs and the exit code.
inline Esito esegui(const std::vector<std::string>& args, const std::string& input = {},
                    const std::string& prog = {}) {
    CartellaTemp io;
    const std::string in = io.scrivi("stdin", input);
    const std::string exe = prog.empty() ? programma() : prog;
    std::vector<char*> argv{const_cast<char*>(exe.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
        const int fd[3] = {::open(in.c_str(), O_RDONLY),
                           ::open(io.file("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
                           ::open(io.file("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)};
        for (int i = 0; i < 3; ++i)
            if (fd[i] < 0 || ::dup2(fd[i], i) < 0) ::_exit(126);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato), io.leggi("out"),
            io.leggi("err")};
}

} // namespace verbolario::cli::test
