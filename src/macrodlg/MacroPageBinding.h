// MacroPageBinding.h - which elements of a macro tab a designed page shows, and where: each
// control of the page's template is bound to the element it names (taking the control's window
// id as the element's control reference) or dropped, and every element the image does not place
// gets a row of the page's grid (reference minus the row).
#pragma once

#include <vector>

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "core/macro/MacroTabData.h"
#include "designer/Tvx_DesignerControl.h"
#include "designer/Tvx_DlgDesignerData.h"

// What a bound control shows.
struct MacroControlBinding {
    int id = 0;  // window id of the control
    Tvx_ControlType type = 0;
    Tvx_String caption;       // the text or value the control is given
    Tvx_StringArray items;    // list controls: their items
    int selection = -1;       // list controls: the selected item, -1 none
    bool setsCaption = true;  // false: the control keeps what the template gave it
    bool readOnly = false;
};

// Binds one control to the tab. False when the control names nothing of the tab (it is then to
// be dropped); the tab's references are changed only on success.
bool bindDesignedControl(MacroTabData& tab, const Tvx_DesignerControl& control, int id,
                         MacroControlBinding& binding);

// A row of the grid of unplaced elements.
struct MacroGridRow {
    enum Kind { Cell, Pattern, Array };
    Kind kind = Cell;
    int index = 0;  // into the tab's cells, patterns or arrays
    Tvx_String name;
    Tvx_String value;  // column 3
    int cellType = 2;  // cells: 1 check, 2 value, 3 list, 4 editable list, 5 special
    Tvx_StringArray items;
    bool locked = false;
    bool hasButton = false;  // a detail button (text 1324) in column 4
};

// Gives every element with a reference below 1 a grid row (rows numbered from 1) and sets its
// references to minus the row: cells, then (bolt tabs) patterns not placed by name and count,
// then arrays.
void buildGridRows(MacroTabData& tab, std::vector<MacroGridRow>& rows);

// The whole page: clears the tab's references, binds each control of `designer` (which may be
// null: a tab without image), removes the controls that do not bind from `designer`, and builds
// the grid rows.
struct MacroPageModel {
    std::vector<MacroControlBinding> controls;  // the bound controls, in template order
    Tvx_StringArray dropped;                    // contents of the controls dropped
    std::vector<MacroGridRow> rows;
    bool hasBoltButton = false;  // the image has its own bolt detail button (kind 12)
};
void buildMacroPage(MacroTabData& tab, Tvx_DlgDesignerData* designer, MacroPageModel& page);

// The items of a list cell: its value text split at ";" (the first item is the value shown).
Tvx_StringArray listCellItems(const MacroCellData& cell);
