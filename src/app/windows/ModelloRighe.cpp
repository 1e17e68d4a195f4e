#include "ModelloRighe.h"

#include "TestoCp.h"

namespace verbolario {

int ModelloRighe::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(righe_.size());
}

QVariant ModelloRighe::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) return testo(index.row());
    return {};
}

void ModelloRighe::imposta(std::vector<std::string> righe) {
    beginResetModel();
    righe_ = std::move(righe);
    endResetModel();
}

QString ModelloRighe::testo(int riga) const {
    return testo::daCp1252(righe_[static_cast<size_t>(riga)]);
}

} // namespace verbolario
