// CutsDialogRules.h - the model side of the cuts dialog: the cut-kind pictures, the display
// names of cut variables, and the checks of OK in their order (empty name, name used by another
// cut, invalid general-variable names).
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroDetailRecords.h"

// The picture files of the six cut kinds, in kind order, under the application's "icons\\".
Tvx_StringArray cutKindPictures();
// Full path of the picture of kind k (1..6); empty for another kind.
Tvx_String cutKindPicturePath(int kind);

// The name a cut variable is shown with ("Offset" -> text 1099, "Offset2" -> text 1104 + "2",
// "Radius" -> text 740); any other name as it is.
Tvx_String cutVarDisplayName(const Tvx_String& name);

// A refusal of OK: the message box text and caption.
struct CutsRefusal {
    Tvx_String text;
    Tvx_String caption;
};

// The first rule the record breaks, in the dialog's order; false when OK may close.
bool checkCutsRecord(const DlgMacroCutsData& data, CutsRefusal& refusal);
