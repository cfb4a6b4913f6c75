// QtGridMetrics.cpp - font measurement for grid fitting.
#include "ui/grid/QtGridMetrics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>

#include "ui/grid/GridLook.h"

namespace ovui::grid {

ovgrid::TextExtent QtGridMetrics::textExtent(std::wstring_view text,
                                             const ovgrid::FontInfo& font) const {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return ovgrid::headlessMetrics().textExtent(text, font);
    }
    const QFontMetrics metrics(toQFont(font));
    const QString qtext = QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
    // An empty text still needs one line.
    const QSize size = metrics.size(0, qtext.isEmpty() ? QStringLiteral(" ") : qtext);
    return {qtext.isEmpty() ? 0 : size.width(), size.height()};
}

const QtGridMetrics& qtGridMetrics() {
    static const QtGridMetrics metrics;
    return metrics;
}

}  // namespace ovui::grid
