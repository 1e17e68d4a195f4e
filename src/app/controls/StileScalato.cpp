#include "controls/StileScalato.h"

#include <QApplication>
#include <QWidget>

#include <cmath>

namespace verbolario {

StileScalato::StileScalato(const QString& base) : QProxyStyle(base) {}

double StileScalato::fattore(const QWidget* w) {
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QVariant v = w->property(kProprieta);
        if (!v.isValid()) continue;
        const double k = v.toDouble();
        return k > 0 && k < 100 ? k : 1.0;
    }
    return 1.0;
}

void StileScalato::installa() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QStyle* attuale = QApplication::style();
    if (qobject_cast<StileScalato*>(attuale)) return;
    QApplication::setStyle(new StileScalato(attuale ? attuale->name() : QString()));
}

int StileScalato::pixelMetric(PixelMetric metrica, const QStyleOption* opzione,
                              const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metrica, opzione, widget);
    switch (metrica) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_ButtonIconSize:
    case PM_SmallIconSize:
    case PM_SliderThickness:
    case PM_SliderLength:
    case PM_SliderControlThickness: {
        const double k = fattore(widget);
        if (k == 1.0 || base <= 0) return base;
        return std::max(1, static_cast<int>(std::lround(base * k)));
    }
    default:
        return base;
    }
}

} // namespace verbolario
