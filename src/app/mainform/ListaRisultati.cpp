#include "ListaRisultati.h"

#include "TestoCp.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>

namespace verbolario {

int ModelloRisultati::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(righe_.size());
}

QVariant ModelloRisultati::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= conteggio()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return riga(index.row());
    if (role == Qt::SizeHintRole && larghezza_ > 0) return QSize(larghezza_, altezza_);
    return {};
}

void ModelloRisultati::svuota() {
    beginResetModel();
    righe_.clear();
    righe_.shrink_to_fit();
    endResetModel();
}

void ModelloRisultati::aggiungi(const QString& riga) {
    int n = conteggio();
    beginInsertRows({}, n, n);
    righe_.push_back(riga);
    endInsertRows();
}

void ModelloRisultati::aggiungi(const QStringList& righe) {
    if (righe.isEmpty()) return;
    int n = conteggio();
    beginInsertRows({}, n, n + static_cast<int>(righe.size()) - 1);
    righe_.insert(righe_.end(), righe.begin(), righe.end());
    endInsertRows();
}

void ModelloRisultati::aggiungiCp1252(const std::vector<std::string>& righe) {
    if (righe.empty()) return;
    int n = conteggio();
    beginInsertRows({}, n, n + static_cast<int>(righe.size()) - 1);
    righe_.reserve(righe_.size() + righe.size());
    for (const std::string& r : righe) righe_.push_back(testo::daCp1252(r));
    endInsertRows();
}

void ModelloRisultati::imposta(int i, const QString& riga) {
    if (i < 0 || i >= conteggio()) return;
    righe_[static_cast<size_t>(i)] = riga;
    emit dataChanged(index(i), index(i));
}

void ModelloRisultati::rimuovi(int i) {
    if (i < 0 || i >= conteggio()) return;
    beginRemoveRows({}, i, i);
    righe_.erase(righe_.begin() + i);
    endRemoveRows();
}

void ModelloRisultati::impostaLarghezzaRighe(int px) {
    if (px == larghezza_) return;
    larghezza_ = px;
    if (!righe_.empty()) emit dataChanged(index(0), index(conteggio() - 1), {Qt::SizeHintRole});
}

void DelegatoTabulazione::paint(QPainter* p, const QStyleOptionViewItem& opt,
                                const QModelIndex& i) const {
    QStyleOptionViewItem o = opt;
    initStyleOption(&o, i);
    QString testo = o.text;
    o.text.clear();
    const QWidget* w = o.widget;
    QStyle* stile = w ? w->style() : nullptr;
    if (stile) stile->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    QRect r = o.rect.adjusted(3, 0, -1, 0);
    QTextOption to(Qt::AlignLeft | Qt::AlignVCenter);
    to.setWrapMode(QTextOption::NoWrap);
    to.setTabStopDistance(tab_);
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                               : QPalette::Text));
    p->drawText(QRectF(r), testo, to);
    p->restore();
}

VistaRisultati::VistaRisultati(QWidget* parent) : QListView(parent), delegato_(this) {
    setModel(&modello_);
    setItemDelegate(&delegato_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLayoutMode(QListView::SinglePass);
}

int VistaRisultati::selezionato() const {
    QModelIndex i = currentIndex();
    if (!i.isValid() || !selectionModel()->isSelected(i)) return -1;
    return i.row();
}

void VistaRisultati::seleziona(int riga) {
    if (riga < 0 || riga >= modello_.conteggio()) {
        clearSelection();
        setCurrentIndex({});
        return;
    }
    QModelIndex i = modello_.index(riga);
    setCurrentIndex(i);
    scrollTo(i, QAbstractItemView::PositionAtTop);
}

int VistaRisultati::trovaInizio(const QString& testo) const {
    for (int i = 0; i < modello_.conteggio(); ++i)
        if (modello_.riga(i).startsWith(testo, Qt::CaseInsensitive)) return i;
    return -1;
}

int VistaRisultati::larghezzaMassima() const {
    QFontMetrics fm(font());
    int massimo = 0;
    for (const QString& r : modello_.righe()) massimo = std::max(massimo, fm.horizontalAdvance(r));
    int totale = massimo + 8 + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return width() >= totale ? 0 : totale;
}

void VistaRisultati::impostaEstensioneOrizzontale(int px) {
    modello_.altezza_ = QFontMetrics(font()).height() + 2;
    modello_.impostaLarghezzaRighe(px);
}

void VistaRisultati::impostaTabulazione(int unitaDialogo) {
    qreal mediaCarattere = QFontMetricsF(font()).averageCharWidth();
    delegato_.impostaTabulazione(std::max<qreal>(1.0, unitaDialogo * mediaCarattere / 4.0));
    viewport()->update();
}

void VistaRisultati::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && (e->modifiers() & Qt::ControlModifier)) {
        QListView::mousePressEvent(e);
        emit ctrlClic();
        return;
    }
    QListView::mousePressEvent(e);
}

void VistaRisultati::mouseReleaseEvent(QMouseEvent* e) {
    QListView::mouseReleaseEvent(e);
    if (e->button() == Qt::RightButton) emit menuRichiesto(e->globalPosition().toPoint());
}

} // namespace verbolario
