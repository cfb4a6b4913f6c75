// OvSettingsStore.h - an ordered list of named, typed values: the form in which a sheet's
// presentation settings travel (the tag of cell (0, 0), ".ovd" files).
//
// Names are unique and compared without regard to case. Reads are typed: a read fails, leaving
// the caller's default untouched, when the name is missing or holds another type.
//
// Text form: for every entry "name¤type¤value¤" (¤ = U+00A4), nothing before or after. Doubles
// are written with two decimals ("%.2f"), ints and longs in decimal, strings as they are.
#pragma once

#include <cstdint>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class OvSettingsStore {
  public:
    enum Type : std::uint16_t { kNone = 0, kDouble = 1, kInt = 2, kLong = 3, kString = 4 };
    static constexpr wchar_t kSeparator = L'\u00A4';

    struct Entry {
        Tvx_String name;
        std::uint16_t type = kNone;
        double doubleValue = 0;
        int intValue = 0;
        long longValue = 0;
        Tvx_String stringValue;
    };

    virtual ~OvSettingsStore() = default;

    // Replace an entry of the same name in place, or append a new one.
    void setDouble(const Tvx_String& name, double value);
    void setInt(const Tvx_String& name, int value);
    void setBool(const Tvx_String& name, bool value) { setInt(name, value ? 1 : 0); }
    void setLong(const Tvx_String& name, long value);
    void setString(const Tvx_String& name, const Tvx_String& value);
    // The entries name0, name1 ... as strings. Entries of a longer earlier list that follow are
    // removed, so the list reads back exactly as set.
    void setStringList(const Tvx_String& name, const Tvx_StringArray& values);

    bool getDouble(const Tvx_String& name, double& value) const;
    bool getInt(const Tvx_String& name, int& value) const;
    bool getBool(const Tvx_String& name, bool& value) const;
    bool getLong(const Tvx_String& name, long& value) const;
    bool getString(const Tvx_String& name, Tvx_String& value) const;
    // name0, name1 ... up to the first missing (or non-string) index; false when there is no
    // name0. The list is replaced only on success.
    bool getStringList(const Tvx_String& name, Tvx_StringArray& values) const;

    bool contains(const Tvx_String& name) const { return indexOf(name) >= 0; }
    bool remove(const Tvx_String& name);
    void clear() { entries_.removeAll(); }
    int count() const { return entries_.length(); }
    const Tvx_Array<Entry>& entries() const { return entries_; }

    Tvx_String encode() const;
    // Replaces the entries with those of `text`, taking the fields three at a time. The result
    // tells whether the text was well formed (only complete entries with numeric type codes);
    // the complete entries are taken either way.
    bool decode(const Tvx_String& text);

    // The value as written in the text form.
    static Tvx_String valueText(const Entry& entry);
    // Case-blind name comparison: both sides upper-cased, different lengths never match.
    static bool sameName(const Tvx_String& a, const Tvx_String& b);

  private:
    int indexOf(const Tvx_String& name) const;
    Entry& slot(const Tvx_String& name);
    const Entry* typed(const Tvx_String& name, std::uint16_t type) const;

    Tvx_Array<Entry> entries_;
};
