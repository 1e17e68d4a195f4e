#pragma once

#include "dictionary/FonteVoci.h"
#include "dictionary/Voci.h"

namespace verbolario {

// The dictionary in memory as a source of runs of entries.
class VociInMemoria final : public FonteVoci {
public:
    explicit VociInMemoria(const Voci& voci) : voci_(voci) {}

    bool scorri(const std::function<bool(const Lotto&)>& visita) override;
    const Voci* voci() const override { return &voci_; }
    int64_t stima() const override { return static_cast<int64_t>(voci_.size()); }

private:
    const Voci& voci_;
};

} // namespace verbolario
