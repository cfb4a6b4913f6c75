// EditConstrData.h - the record of the macro editor: which macro of the drawing is edited and
// which of its modules is current, with the core operations the editor calls on it.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/Tvx_DbMacro.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/AcDbObjectId.h"

class EditConstrData {
  public:
    EditConstrData() = default;
    EditConstrData(const EditConstrData&) = default;
    EditConstrData& operator=(const EditConstrData&) = default;
    virtual ~EditConstrData() = default;

    // The macro in any open drawing; null when the id is not one.
    Tvx_DbMacro* dbMacro() const { return openDbMacro(macroId); }

    AcDbObjectId macroId;
    Tvx_String moduleName;  // the current module; empty: the first
    int currentPage = 0;    // the editor page shown
};

// The module names of the record's macro; false without a macro definition.
bool MacroGetModules(const EditConstrData& data, Tvx_StringArray& names);
// Picks another macro of the drawing: the next one with a definition after the current one,
// wrapping around (a host without picking in a drawing view cycles through them). The module
// becomes the new macro's first. False, record unchanged, when there is no other macro.
bool SelectOtherMacro(EditConstrData& data);
// Points the record at `dbMacro`, its first module current; false without a macro definition.
bool editConstrDataOf(const Tvx_DbMacro* dbMacro, EditConstrData& data);
