#include "Sfida.h"

#include "text/Cp1252.h"

namespace verbolario {

std::string testoNascosto(std::string_view voce, std::string_view parte) {
    std::string s(voce);
    if (!parte.empty())
        if (const size_t q = s.find(parte); q != std::string::npos)
            s.replace(q, parte.size(), parte.size(), '+');
    return cp1252::uppered(s);
}

std::string Sfida::nascosta(size_t i) const {
    return testoNascosto(voci.at(i), parte);
}

std::string Sfida::svelata(size_t i) const {
    return cp1252::uppered(voci.at(i));
}

} // namespace verbolario
