#pragma once

#include <QValidator>

namespace verbolario {

// The answer box's key rule: lower-case letters of the code page (a-z and the accented ones
// with a capital 32 below them) become capitals, however they arrive (typed, pasted,
// dropped); everything else is taken as it is.
class MaiuscoleText3 final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& testo, int& posizione) const override;
    static QChar maiuscola(QChar c);
};

} // namespace verbolario
