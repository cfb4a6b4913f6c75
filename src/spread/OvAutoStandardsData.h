// OvAutoStandardsData.h - the general variables the product applies automatically: drawing
// general variables (variable, value, filter) and standards general variables (variable, value,
// override, filter). Item i of every list of one kind belongs to the same variable. A filter is a
// ";"-joined list of drawings and folders relative to the library's "Macros\\" folder.
#pragma once

#include "core/Tvx_StringArray.h"

class OvAutoStandardsData {
  public:
    OvAutoStandardsData() = default;
    OvAutoStandardsData(const OvAutoStandardsData&) = default;
    OvAutoStandardsData& operator=(const OvAutoStandardsData&) = default;
    virtual ~OvAutoStandardsData() = default;

    bool operator==(const OvAutoStandardsData&) const = default;

    Tvx_StringArray& dwgGenVars() { return m_dwgGenVars; }
    Tvx_StringArray& dwgGenValues() { return m_dwgGenValues; }
    Tvx_StringArray& dwgGenFilters() { return m_dwgGenFilters; }
    Tvx_StringArray& stdGenVars() { return m_stdGenVars; }
    Tvx_StringArray& stdGenValues() { return m_stdGenValues; }
    Tvx_StringArray& stdGenOverrides() { return m_stdGenOverrides; }
    Tvx_StringArray& stdGenFilters() { return m_stdGenFilters; }
    const Tvx_StringArray& dwgGenVars() const { return m_dwgGenVars; }
    const Tvx_StringArray& dwgGenValues() const { return m_dwgGenValues; }
    const Tvx_StringArray& dwgGenFilters() const { return m_dwgGenFilters; }
    const Tvx_StringArray& stdGenVars() const { return m_stdGenVars; }
    const Tvx_StringArray& stdGenValues() const { return m_stdGenValues; }
    const Tvx_StringArray& stdGenOverrides() const { return m_stdGenOverrides; }
    const Tvx_StringArray& stdGenFilters() const { return m_stdGenFilters; }

  private:
    Tvx_StringArray m_dwgGenVars;
    Tvx_StringArray m_dwgGenValues;
    Tvx_StringArray m_dwgGenFilters;
    Tvx_StringArray m_stdGenVars;
    Tvx_StringArray m_stdGenValues;
    Tvx_StringArray m_stdGenOverrides;
    Tvx_StringArray m_stdGenFilters;
};

// Shows the general variables dialog; true (lists replaced by the edited ones) on OK.
bool StartDlgGenVars(OvAutoStandardsData& data);
