// Turns a UTF-8 word list (one word per line) into the program's dictionary format:
// Windows-1252, lower case, sorted by byte code, without repetitions, one entry per CR LF
// line. Words the code page cannot hold are left out.
#include "text/Cp1252.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "uso: makedic ELENCO.txt dizionario.dic\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "makedic: impossibile leggere " << argv[1] << "\n";
        return 1;
    }
    std::vector<std::string> words;
    std::string line;
    size_t skipped = 0;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line.empty()) continue;
        auto w = verbolario::cp1252::fromUtf8(line);
        if (!w) {
            ++skipped;
            continue;
        }
        verbolario::cp1252::lowerInPlace(*w);
        words.push_back(std::move(*w));
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::string tmp = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        for (const auto& w : words) out << w << "\r\n";
        if (!out) {
            std::cerr << "makedic: impossibile scrivere " << tmp << "\n";
            return 1;
        }
    }
    if (std::rename(tmp.c_str(), argv[2]) != 0) {
        std::cerr << "makedic: impossibile creare " << argv[2] << "\n";
        return 1;
    }
    std::cerr << "makedic: " << words.size() << " voci";
    if (skipped) std::cerr << ", " << skipped << " scartate";
    std::cerr << "\n";
    return 0;
}
