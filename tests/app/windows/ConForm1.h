#pragma once

// A fresh program folder and started main window for every test function of the
// window tests.

#include "mainform/AmbienteForm1.h"

#include "windows/FinestreAusiliarie.h"

#include <QtTest>

namespace verbolario::prova {

struct ConForm1 {
    void avvia() {
        a_ = std::make_unique<Ambiente>();
        a_->conDizionario();
        f_ = &a_->avvia();
    }
    std::unique_ptr<Ambiente> a_;
    Form1* f_ = nullptr;
};

} // namespace verbolario::prova
