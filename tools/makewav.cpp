// Writes the program's three sound effects as 16-bit PCM mono WAV files at 22050 Hz:
// Blip.wav (a soft rising blip), Click.wav (a short click) and Beep.wav (an 880 Hz beep).
// Every sound starts and ends with a short fade so the speaker does not pop.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Campioni = std::vector<double>; // -1..1

// Raised-cosine fades at both ends.
void sfuma(Campioni& s, double entrata, double uscita) {
    const auto n = static_cast<long>(s.size());
    const long in = std::max(1L, static_cast<long>(entrata * kRate));
    const long out = std::max(1L, static_cast<long>(uscita * kRate));
    for (long i = 0; i < n; ++i) {
        double g = 1;
        if (i < in) g *= 0.5 - 0.5 * std::cos(kPi * i / in);
        if (n - 1 - i < out) g *= 0.5 - 0.5 * std::cos(kPi * (n - 1 - i) / out);
        s[static_cast<size_t>(i)] *= g;
    }
}

// A tone whose frequency goes from f0 to f1 over the sound, with a second harmonic.
Campioni tono(double secondi, double f0, double f1, double ampiezza, double armonica) {
    Campioni s(static_cast<size_t>(secondi * kRate));
    double fase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(s.size());
        fase += 2 * kPi * (f0 + (f1 - f0) * t) / kRate;
        s[i] = ampiezza * (std::sin(fase) + armonica * std::sin(2 * fase)) / (1 + armonica);
    }
    return s;
}

Campioni blip() {
    Campioni s = tono(0.060, 700, 1400, 0.45, 0.15);
    sfuma(s, 0.006, 0.025);
    return s;
}

// A quickly dying knock: a high tone and a little noise under an exponential decay.
Campioni click() {
    Campioni s(static_cast<size_t>(0.015 * kRate));
    uint32_t seme = 12345;
    for (size_t i = 0; i < s.size(); ++i) {
        seme = seme * 1664525u + 1013904223u;
        const double rumore = (seme >> 8) / 8388608.0 - 1.0;
        const double t = static_cast<double>(i) / kRate;
        s[i] = 0.6 * std::exp(-t / 0.003) * (0.7 * std::sin(2 * kPi * 2200 * t) + 0.3 * rumore);
    }
    sfuma(s, 0.0005, 0.004);
    return s;
}

Campioni beep() {
    Campioni s = tono(0.180, 880, 880, 0.5, 0.1);
    sfuma(s, 0.008, 0.020);
    return s;
}

void scriviParola(std::ofstream& f, uint32_t v, int byte) {
    for (int i = 0; i < byte; ++i) f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool scrivi(const std::string& percorso, const Campioni& s) {
    std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
    const auto dati = static_cast<uint32_t>(s.size() * 2);
    f.write("RIFF", 4);
    scriviParola(f, 36 + dati, 4);
    f.write("WAVEfmt ", 8);
    scriviParola(f, 16, 4);        // format block size
    scriviParola(f, 1, 2);         // PCM
    scriviParola(f, 1, 2);         // mono
    scriviParola(f, kRate, 4);     // samples per second
    scriviParola(f, kRate * 2, 4); // bytes per second
    scriviParola(f, 2, 2);         // bytes per sample frame
    scriviParola(f, 16, 2);        // bits per sample
    f.write("data", 4);
    scriviParola(f, dati, 4);
    for (double v : s) {
        const long c = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
        scriviParola(f, static_cast<uint32_t>(static_cast<int16_t>(c)) & 0xFFFF, 2);
    }
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "uso: makewav CARTELLA\n";
        return 2;
    }
    const std::string cartella = argv[1];
    const struct {
        const char* nome;
        std::function<Campioni()> fai;
    } suoni[] = {{"Blip.wav", blip}, {"Click.wav", click}, {"Beep.wav", beep}};
    for (const auto& s : suoni) {
        const std::string percorso = cartella + "/" + s.nome;
        if (!scrivi(percorso, s.fai())) {
            std::cerr << "makewav: impossibile scrivere " << percorso << "\n";
            return 1;
        }
    }
    return 0;
}
