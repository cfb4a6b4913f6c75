// PickFirstSelection.h - the host's pick-first selection: the objects the user selected before a
// command ran. The host (the studio) keeps it up to date; a drop of drawing objects reads it.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "host/AcDbObjectId.h"

// Replaces the selection.
void setPickFirstSelection(const Tvx_Array<AcDbObjectId>& ids);
// The selection's object ids; false (ids emptied) when nothing is selected.
bool readPickFirstSelection(Tvx_Array<AcDbObjectId>& ids);

// The format in which the host drags drawing objects: its product name, ".r" and its release.
Tvx_String hostEntityDragFormat();
