// Tvx_GeneralVariables.h - the general variables of a drawing: ordered name/value pairs, names
// unique ignoring case (a general variable is written as "gen_" + a name in the standards).
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class Tvx_GeneralVariables {
  public:
    // False when absent (value unchanged).
    bool find(const Tvx_String& name, double& value) const;
    bool contains(const Tvx_String& name) const { return indexOf(name) >= 0; }
    // Changes the variable, or appends it when absent; false for an empty name.
    bool set(const Tvx_String& name, double value);
    bool remove(const Tvx_String& name);
    void clear();

    int count() const { return names_.length(); }
    const Tvx_StringArray& names() const { return names_; }
    const Tvx_Array<double>& values() const { return values_; }

  private:
    int indexOf(const Tvx_String& name) const { return names_.find(name, false); }

    Tvx_StringArray names_;
    Tvx_Array<double> values_;
};
