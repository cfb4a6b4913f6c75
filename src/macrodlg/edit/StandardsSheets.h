// StandardsSheets.h - the standards sheets an author can map: every ".ovs" below the standards
// folder by its relative name, and the declared variables of one of them.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class OvVarCells;

// The sheets below the standards folder at any depth, relative to it and without extension
// ("FinPlate", "Childs\\EndPlateBoltRows"), sorted; empty when the folder is missing.
Tvx_StringArray standardsSheetNames();

// Loads the sheet `ssName` of the standards folder and lists its declared variables; false with
// `error` naming the file and the cause when it cannot be loaded or has no Input/Output area.
bool readSheetVariables(const Tvx_String& ssName, OvVarCells& cells, Tvx_String& error);
