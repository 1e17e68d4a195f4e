#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace verbolario {

// A result list as the engine hands it over: Windows-1252 lines, turned into text only for
// the rows on screen, so a list of millions of lines costs little more than its bytes.
class ModelloRighe final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Replaces every line at once.
    void imposta(std::vector<std::string> righe);
    const std::vector<std::string>& righe() const { return righe_; }
    // A line as the user reads it.
    QString testo(int riga) const;

private:
    std::vector<std::string> righe_;
};

} // namespace verbolario
