#pragma once

#include <string>
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
    CartellaTemp();
    ~CartellaTemp();
    CartellaTemp(const CartellaTemp&) = delete;
    CartellaTemp& operator=(const CartellaTemp&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& nome) const { return path_ + "/" + nome; }
    // Writes the bytes as they are and returns the file's path.
    std::string scrivi(const std::string& nome, const std::string& byte) const;
    std::string leggi(const std::string& nome) const;

private:
    std::string path_;
};

// Runs the program (the built one unless `programma` names a copy) with the arguments and
// standard input, collecting both outputs and the exit code.
Esito esegui(const std::vector<std::string>& args, const std::string& input = {},
             const std::string& programma = {});

// The program's own path under test.
std::string programma();

// A dictionary file's bytes: the UTF-8 lines in Windows-1252, each ended by CR LF.
std::string dizionario(const std::vector<std::string>& righe);

} // namespace verbolario::cli::test
