// NumberInputValidator.cpp - checking number input; the decimal point is always ".".
#include "ui/grid/NumberInputValidator.h"

#include <QRegularExpression>

namespace ovui::grid {

NumberInputValidator::NumberInputValidator(int decimals, double minimum, double maximum,
                                           QObject* parent)
    : QValidator(parent),
      decimals_(decimals < 0 ? 0 : decimals),
      minimum_(minimum),
      maximum_(maximum) {}

QValidator::State NumberInputValidator::validate(QString& input, int& /*pos*/) const {
    const QString text = input.trimmed();
    if (text.isEmpty() || text.startsWith(u'=')) {
        return Acceptable;
    }
    // Sign, digits, and at most `decimals_` digits after the point.
    const QString pattern = decimals_ > 0
                                ? QStringLiteral("^[-+]?\\d*(\\.\\d{0,%1})?$").arg(decimals_)
                                : QStringLiteral("^[-+]?\\d*$");
    static thread_local QRegularExpression expression;
    expression.setPattern(pattern);
    if (!expression.match(text).hasMatch()) {
        return Invalid;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) {
        return Intermediate;  // "-" or "." on the way to a number
    }
    const bool ranged = minimum_ != 0 || maximum_ != 0;
    if (ranged && (value < minimum_ || value > maximum_)) {
        return Intermediate;
    }
    return Acceptable;
}

}  // namespace ovui::grid
