// SectionLookup.h - the free section functions over gSectionTables, as formulas and the macro
// variables use them. Names may be full names ("IPE-200") or user names ("IPE200"); positions
// count the dimension columns from 0 (see Tvx_SectionTableManager.h).
//
// The form of getSectionName that takes a profile's object id (and a transaction) belongs with
// the macro model and is added there; it will resolve the profile's section text and end in the
// text form below.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/ErrorStatus.h"

// The full name of the section called `name`.
Acad::ErrorStatus getSectionName(const Tvx_String& name, Tvx_String& sectionName);
// The dimension value at `columnIndex` of the section, as stored text ("200").
Acad::ErrorStatus getSectionValue(const Tvx_String& sectionName, const int& columnIndex,
                                  Tvx_String& value);
// The dimension column names of the section's table, in position order.
Acad::ErrorStatus getSectionColumnNames(const Tvx_String& sectionName, Tvx_StringArray& names);
