// SectionLibraryLaunchers.h - the exported launchers of the section library editors (shown by
// the dialog library): the library editor on a copy of the library record, and the simple
// editor that adds one section to a type's table.
#pragma once

#include "core/Tvx_String.h"
#include "core/sections/SectionLibrary.h"
#include "seclib/Tvx_ProfValuesTable.h"

// Opens the library editor; a non-empty `sectionName` ("IPE-200") starts on the values page with
// that section. True (record replaced) on OK.
bool StartDlgEditLibSections(DlgEditLibData& data, const Tvx_String& sectionName);

// Adds one section to `table` starting from the section `sysName`; on OK the table holds it and
// `newIndex` is its position among the active sections.
bool StartDlgEditLibSimple(const Tvx_String& sysName, Tvx_ProfValuesTable& table, int& newIndex);
