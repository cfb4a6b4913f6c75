// Tvx_PropertiesList.cpp - typed properties and their file form.
#include "core/Tvx_PropertiesList.h"

#include <climits>
#include <cmath>
#include <limits>

#include "base/NumberText.h"
#include "core/AtomicFile.h"
#include "core/StringHelpers.h"
#include "core/TableFile.h"
#include "core/TextFile.h"

namespace {

const wchar_t* const kHeader = L"#ovss-properties 1";

Tvx_String doubleText(double value) {
    return ovbase::exactNumberText(value);
}

bool parseDouble(const Tvx_String& text, double& value) {
    if (text == L"nan") {
        value = std::numeric_limits<double>::quiet_NaN();
    } else if (text == L"inf" || text == L"-inf") {
        value = text == L"inf" ? std::numeric_limits<double>::infinity()
                               : -std::numeric_limits<double>::infinity();
    } else if (text.isNumber()) {
        value = text.toDouble();
    } else {
        return false;
    }
    return true;
}

bool parseInt(const Tvx_String& text, int& value) {
    const auto number = ovbase::parseNumberText(text.wstr());
    if (!number || *number != std::trunc(*number) || *number < INT_MIN || *number > INT_MAX) {
        return false;
    }
    value = static_cast<int>(*number);
    return true;
}

}  // namespace

int Tvx_PropertiesList::indexOf(const Tvx_String& key) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].key == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Tvx_PropertiesList::set(const Tvx_String& key, Value value) {
    const int at = indexOf(key);
    if (at >= 0) {
        entries_[static_cast<std::size_t>(at)].value = std::move(value);
    } else {
        entries_.push_back({key, std::move(value)});
    }
}

void Tvx_PropertiesList::setProperty(const Tvx_String& key, const Tvx_String& value) {
    set(key, value);
}
void Tvx_PropertiesList::setProperty(const Tvx_String& key, const wchar_t* value) {
    set(key, Tvx_String(value));
}
void Tvx_PropertiesList::setProperty(const Tvx_String& key, int value) {
    set(key, value);
}
void Tvx_PropertiesList::setProperty(const Tvx_String& key, double value) {
    set(key, value);
}

bool Tvx_PropertiesList::getProperty(const Tvx_String& key, Tvx_String& value) const {
    const int at = indexOf(key);
    if (at < 0) {
        return false;
    }
    const Value& stored = entries_[static_cast<std::size_t>(at)].value;
    if (const auto* text = std::get_if<Tvx_String>(&stored)) {
        value = *text;
    } else if (const auto* i = std::get_if<int>(&stored)) {
        value = Tvx_String::fromInt(*i);
    } else {
        value = doubleText(std::get<double>(stored));
    }
    return true;
}

bool Tvx_PropertiesList::getProperty(const Tvx_String& key, int& value) const {
    const int at = indexOf(key);
    if (at < 0) {
        return false;
    }
    const Value& stored = entries_[static_cast<std::size_t>(at)].value;
    double number = 0;
    if (const auto* i = std::get_if<int>(&stored)) {
        value = *i;
        return true;
    } else if (const auto* d = std::get_if<double>(&stored)) {
        number = *d;
    } else if (!parseDouble(std::get<Tvx_String>(stored), number)) {
        return false;
    }
    if (!(number > -2147483649.0 && number < 2147483648.0)) {
        return false;  // also rejects NaN
    }
    value = static_cast<int>(number);
    return true;
}

bool Tvx_PropertiesList::getProperty(const Tvx_String& key, double& value) const {
    const int at = indexOf(key);
    if (at < 0) {
        return false;
    }
    const Value& stored = entries_[static_cast<std::size_t>(at)].value;
    if (const auto* i = std::get_if<int>(&stored)) {
        value = *i;
        return true;
    }
    if (const auto* d = std::get_if<double>(&stored)) {
        value = *d;
        return true;
    }
    return parseDouble(std::get<Tvx_String>(stored), value);
}

bool Tvx_PropertiesList::removeProperty(const Tvx_String& key) {
    const int at = indexOf(key);
    if (at < 0) {
        return false;
    }
    entries_.erase(entries_.begin() + at);
    return true;
}

Tvx_StringArray Tvx_PropertiesList::keys() const {
    Tvx_StringArray out;
    for (const auto& entry : entries_) {
        out.append(entry.key);
    }
    return out;
}

Tvx_String Tvx_PropertiesList::toText() const {
    Tvx_String text = kHeader;
    text += L'\n';
    for (const auto& entry : entries_) {
        text += escapeField(entry.key);
        if (const auto* s = std::get_if<Tvx_String>(&entry.value)) {
            text += L"\tstring\t";
            text += escapeField(*s);
        } else if (const auto* i = std::get_if<int>(&entry.value)) {
            text += L"\tint\t";
            text += Tvx_String::fromInt(*i);
        } else {
            text += L"\tdouble\t";
            text += doubleText(std::get<double>(entry.value));
        }
        text += L'\n';
    }
    return text;
}

bool Tvx_PropertiesList::fromText(const Tvx_String& text) {
    const Tvx_StringArray lines = splitLines(text);
    if (lines.isEmpty() || lines[0] != Tvx_String(kHeader)) {
        return false;
    }
    Tvx_PropertiesList parsed;
    for (int i = 1; i < lines.length(); ++i) {
        if (lines[i].isEmpty()) {
            continue;
        }
        const Tvx_StringArray parts = strToArr(lines[i], L"\t");
        Tvx_String key;
        if (parts.length() != 3 || !unescapeField(parts[0], key)) {
            return false;
        }
        const Tvx_String& type = parts[1];
        if (type == L"string") {
            Tvx_String value;
            if (!unescapeField(parts[2], value)) {
                return false;
            }
            parsed.set(key, value);
        } else if (type == L"int") {
            int value = 0;
            if (!parseInt(parts[2], value)) {
                return false;
            }
            parsed.set(key, value);
        } else if (type == L"double") {
            double value = 0;
            if (!parseDouble(parts[2], value)) {
                return false;
            }
            parsed.set(key, value);
        } else {
            return false;
        }
    }
    *this = std::move(parsed);
    return true;
}

bool Tvx_PropertiesList::readFromFile(const Tvx_String& path) {
    Tvx_String text;
    return readTextFile(path, text) && fromText(text);
}

bool Tvx_PropertiesList::writeToFile(const Tvx_String& path) const {
    return atomicWriteFile(path, toText().toUtf8());
}
