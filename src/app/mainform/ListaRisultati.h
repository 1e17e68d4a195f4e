#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <string>
#include <vector>

namespace verbolario {

// The items of the result list List1, in the order they were added. Searches hand over
// thousands of hits at once: aggiungi() takes them in one batch, so the view is told once.
class ModelloRisultati final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void svuota();
    void aggiungi(const QString& riga);
    void aggiungi(const QStringList& righe);
    // Windows-1252 lines straight from the engine.
    void aggiungiCp1252(const std::vector<std::string>& righe);
    void imposta(int i, const QString& riga);
    void rimuovi(int i);
    const QString& riga(int i) const { return righe_[static_cast<size_t>(i)]; }
    int conteggio() const { return static_cast<int>(righe_.size()); }
    const std::vector<QString>& righe() const { return righe_; }

    // Width every row claims, so the view offers a horizontal scroll bar when the longest
    // line does not fit (0 = as wide as the view).
    void impostaLarghezzaRighe(int px);

private:
    std::vector<QString> righe_;
    int larghezza_ = 0;
    int altezza_ = 0;
    friend class VistaRisultati;
};

// Draws an item with the list's one tab stop, so tab-separated columns line up.
class DelegatoTabulazione final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& i) const override;
    void impostaTabulazione(qreal px) { tab_ = px; }

private:
    qreal tab_ = 80;
};

// The visible result list List1: one uniform row height, so 32,735 items show at once.
class VistaRisultati final : public QListView {
    Q_OBJECT
public:
    explicit VistaRisultati(QWidget* parent = nullptr);

    ModelloRisultati& modello() { return modello_; }
    const ModelloRisultati& modello() const { return modello_; }

    // Row of the selected item, -1 for none.
    int selezionato() const;
    void seleziona(int riga);
    // First row that starts with `testo`, case ignored, or -1 (the list's own find).
    int trovaInizio(const QString& testo) const;
    // Width in pixels the longest item needs beyond the view, or 0 when all fit.
    int larghezzaMassima() const;
    // Horizontal scroll extent in pixels; 0 removes it.
    void impostaEstensioneOrizzontale(int px);
    // One tab stop, in dialog units of the list's font (a quarter of the average char width).
    void impostaTabulazione(int unitaDialogo);

signals:
    // Right button released over the list (the dictionary menu).
    void menuRichiesto(const QPoint& globale);
    // Left click with Ctrl held.
    void ctrlClic();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ModelloRisultati modello_;
    DelegatoTabulazione delegato_;
};

} // namespace verbolario
