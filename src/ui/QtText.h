// QtText.h - conversions between the application's wide strings and Qt's strings.
#pragma once

#include <QString>
#include <QStringList>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

namespace ovui {

inline QString toQt(const Tvx_String& text) {
    return QString::fromStdWString(text.wstr());
}
inline Tvx_String fromQt(const QString& text) {
    return Tvx_String(text.toStdWString());
}

inline QStringList toQt(const Tvx_StringArray& list) {
    QStringList result;
    for (int i = 0; i < list.length(); ++i) {
        result.append(toQt(list[i]));
    }
    return result;
}

inline Tvx_StringArray fromQt(const QStringList& list) {
    Tvx_StringArray result;
    for (const QString& text : list) {
        result.append(fromQt(text));
    }
    return result;
}

}  // namespace ovui
