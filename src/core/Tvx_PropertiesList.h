// Tvx_PropertiesList.h - an ordered list of typed values (text, int, double) under text keys,
// stored in a properties file (the dialog templates and the macro property files).
//
// File format (UTF-8, human readable): the first line is "#ovss-properties 1", then one line per
// key in insertion order: key TAB type TAB value, with type "string", "int" or "double". Key and
// text are escaped as in table files (\\ \t \n \r), so every text reads back exactly; doubles are
// written in their shortest exact form, so they read back bit for bit.
#pragma once

#include <variant>
#include <vector>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class Tvx_PropertiesList {
  public:
    using Value = std::variant<Tvx_String, int, double>;

    // Sets the value under `key`; an existing key keeps its place and takes the new value and type.
    void setProperty(const Tvx_String& key, const Tvx_String& value);
    void setProperty(const Tvx_String& key, const wchar_t* value);
    void setProperty(const Tvx_String& key, int value);
    void setProperty(const Tvx_String& key, double value);

    // False, `value` unchanged, when the key is absent or the value does not fit the type asked
    // for. Numbers convert among themselves (a double read as int is truncated toward zero, when
    // it lies in the int range); a number read as text gives its file form; a text read as a number
    // succeeds only when the whole text is a number.
    bool getProperty(const Tvx_String& key, Tvx_String& value) const;
    bool getProperty(const Tvx_String& key, int& value) const;
    bool getProperty(const Tvx_String& key, double& value) const;

    bool hasProperty(const Tvx_String& key) const { return indexOf(key) >= 0; }
    bool removeProperty(const Tvx_String& key);
    void removeAll() { entries_.clear(); }
    int length() const { return static_cast<int>(entries_.size()); }
    Tvx_StringArray keys() const;

    // Reads a properties file, replacing the list; false (list unchanged) on a missing or bad file.
    bool readFromFile(const Tvx_String& path);
    // Writes atomically; false (old file intact) when it cannot be written.
    bool writeToFile(const Tvx_String& path) const;

    Tvx_String toText() const;
    bool fromText(const Tvx_String& text);

    friend bool operator==(const Tvx_PropertiesList&, const Tvx_PropertiesList&) = default;

  private:
    struct Entry {
        Tvx_String key;
        Value value;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    int indexOf(const Tvx_String& key) const;
    void set(const Tvx_String& key, Value value);

    std::vector<Entry> entries_;
};
