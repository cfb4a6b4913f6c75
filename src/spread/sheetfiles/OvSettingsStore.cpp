// OvSettingsStore.cpp - typed entries, their text form and its parser.
#include "spread/sheetfiles/OvSettingsStore.h"

#include <climits>

#include "base/CaseFolding.h"
#include "base/NumberText.h"

namespace {

long toLong(const Tvx_String& text) {
    const double value = text.toDouble();
    if (!(value >= double(LONG_MIN)) || !(value <= double(LONG_MAX))) {
        return value > 0 ? LONG_MAX : (value < 0 ? LONG_MIN : 0);
    }
    return static_cast<long>(value);
}

Tvx_String indexedName(const Tvx_String& name, int index) {
    return name + Tvx_String::fromInt(index);
}

}  // namespace

bool OvSettingsStore::sameName(const Tvx_String& a, const Tvx_String& b) {
    return ovbase::equalsIgnoringCase(a.wstr(), b.wstr());
}

int OvSettingsStore::indexOf(const Tvx_String& name) const {
    for (int i = 0; i < entries_.length(); ++i) {
        if (sameName(entries_[i].name, name)) {
            return i;
        }
    }
    return -1;
}

// The entry keeps its position and its first spelling; a new one goes to the end.
OvSettingsStore::Entry& OvSettingsStore::slot(const Tvx_String& name) {
    const int index = indexOf(name);
    if (index >= 0) {
        return entries_[index];
    }
    Entry entry;
    entry.name = name;
    return entries_[entries_.append(entry)];
}

const OvSettingsStore::Entry* OvSettingsStore::typed(const Tvx_String& name,
                                                     std::uint16_t type) const {
    const int index = indexOf(name);
    if (index < 0 || entries_[index].type != type) {
        return nullptr;
    }
    return &entries_[index];
}

void OvSettingsStore::setDouble(const Tvx_String& name, double value) {
    Entry& entry = slot(name);
    entry.type = kDouble;
    entry.doubleValue = value;
    entry.stringValue.empty();
}

void OvSettingsStore::setInt(const Tvx_String& name, int value) {
    Entry& entry = slot(name);
    entry.type = kInt;
    entry.intValue = value;
    entry.stringValue.empty();
}

void OvSettingsStore::setLong(const Tvx_String& name, long value) {
    Entry& entry = slot(name);
    entry.type = kLong;
    entry.longValue = value;
    entry.stringValue.empty();
}

void OvSettingsStore::setString(const Tvx_String& name, const Tvx_String& value) {
    Entry& entry = slot(name);
    entry.type = kString;
    entry.stringValue = value;
}

void OvSettingsStore::setStringList(const Tvx_String& name, const Tvx_StringArray& values) {
    int index = 0;
    for (; index < values.length(); ++index) {
        setString(indexedName(name, index), values[index]);
    }
    // A shorter list must not pick up the tail of the one it replaces.
    while (remove(indexedName(name, index))) {
        ++index;
    }
}

bool OvSettingsStore::getDouble(const Tvx_String& name, double& value) const {
    const Entry* entry = typed(name, kDouble);
    if (entry) {
        value = entry->doubleValue;
    }
    return entry != nullptr;
}

bool OvSettingsStore::getInt(const Tvx_String& name, int& value) const {
    const Entry* entry = typed(name, kInt);
    if (entry) {
        value = entry->intValue;
    }
    return entry != nullptr;
}

bool OvSettingsStore::getBool(const Tvx_String& name, bool& value) const {
    const Entry* entry = typed(name, kInt);
    if (entry) {
        value = entry->intValue != 0;
    }
    return entry != nullptr;
}

bool OvSettingsStore::getLong(const Tvx_String& name, long& value) const {
    const Entry* entry = typed(name, kLong);
    if (entry) {
        value = entry->longValue;
    }
    return entry != nullptr;
}

bool OvSettingsStore::getString(const Tvx_String& name, Tvx_String& value) const {
    const Entry* entry = typed(name, kString);
    if (entry) {
        value = entry->stringValue;
    }
    return entry != nullptr;
}

bool OvSettingsStore::getStringList(const Tvx_String& name, Tvx_StringArray& values) const {
    Tvx_StringArray found;
    Tvx_String item;
    while (getString(indexedName(name, found.length()), item)) {
        found.append(item);
    }
    if (found.isEmpty()) {
        return false;
    }
    values = found;
    return true;
}

bool OvSettingsStore::remove(const Tvx_String& name) {
    return entries_.removeAt(indexOf(name));
}

Tvx_String OvSettingsStore::valueText(const Entry& entry) {
    switch (entry.type) {
        case kDouble:
            return ovbase::fixedNumberText(entry.doubleValue, 2);  // "%.2f", whatever the locale
        case kInt:
            return Tvx_String::fromInt(entry.intValue);
        case kLong:
            return Tvx_String::fromInt(entry.longValue);
        case kString:
            return entry.stringValue;
        default:
            return Tvx_String();
    }
}

Tvx_String OvSettingsStore::encode() const {
    Tvx_String text;
    for (const Entry& entry : entries_) {
        text += entry.name;
        text += kSeparator;
        text += Tvx_String::fromInt(entry.type);
        text += kSeparator;
        text += valueText(entry);
        text += kSeparator;
    }
    return text;
}

bool OvSettingsStore::decode(const Tvx_String& text) {
    Tvx_StringArray fields;
    Tvx_String field;
    for (wchar_t ch : text) {
        if (ch == kSeparator) {
            fields.append(field);
            field.empty();
        } else {
            field += ch;
        }
    }
    // Text after the last separator is an unterminated field: well formed only when empty.
    bool wellFormed = field.isEmpty() && fields.length() % 3 == 0;
    entries_.removeAll();
    for (int i = 0; i + 2 < fields.length(); i += 3) {
        const Tvx_String& name = fields[i];
        const Tvx_String& code = fields[i + 1];
        const Tvx_String& value = fields[i + 2];
        if (!code.isNumber()) {
            wellFormed = false;
        }
        switch (code.toInt()) {
            case kDouble:
                setDouble(name, value.toDouble());
                break;
            case kInt:
                setInt(name, value.toInt());
                break;
            case kLong:
                setLong(name, toLong(value));
                break;
            case kString:
                setString(name, value);
                break;
            default: {
                Entry& entry = slot(name);
                entry.type = kNone;
                entry.stringValue.empty();
                break;
            }
        }
    }
    return wellFormed;
}
