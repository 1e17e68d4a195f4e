#pragma once

#include <QProxyStyle>

namespace verbolario {

// The application's style, with the parts that a style draws at a fixed size (check-box
// and option indicators and their spacing, scroll bars, button and small icons, slider
// handles) grown or shrunk by a widget's look factor: the dynamic property "ScalaAspetto"
// (a double) of the widget or of its nearest ancestor that has one, 1 when none has. The
// resizer sets it, so these parts keep in step with the text of a window that is resized.
class StileScalato final : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr const char* kProprieta = "ScalaAspetto";

    // Over the style named `base` (a QStyleFactory key).
    explicit StileScalato(const QString& base);

    // The look factor that applies to w.
    static double fattore(const QWidget* w);
    // Makes the application's style a StileScalato over the style in use, once.
    static void installa();

    int pixelMetric(PixelMetric metrica, const QStyleOption* opzione = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace verbolario
