// Tvx_ControlType.h - the 31 types of a designed control: the window kind each is created as, its
// text in the designer's type list and the captions of the contents and extended-list fields.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"

// A control's type, 0 to 30. Types whose behaviour other code depends on have names.
using Tvx_ControlType = int;

namespace DesignerType {
inline constexpr Tvx_ControlType kLabel = 0;          // never in the tab order
inline constexpr Tvx_ControlType kGroupBox = 1;       // never in the tab order
inline constexpr Tvx_ControlType kVariableEdit = 2;   // contents = macro variable name
inline constexpr Tvx_ControlType kVariableCombo = 3;  // contents = macro variable name
inline constexpr Tvx_ControlType kBoltCount1 = 4;     // bolt-count edits, multi-line
inline constexpr Tvx_ControlType kBoltCount2 = 5;
inline constexpr Tvx_ControlType kListButton = 25;   // five-part extended list
inline constexpr Tvx_ControlType kListButton2 = 26;  // five-part extended list
inline constexpr Tvx_ControlType kIndexCombo = 28;   // value = selection index
inline constexpr Tvx_ControlType kCheckBox = 29;     // value "0", "1" or undefined
inline constexpr Tvx_ControlType kFlexButton = 30;   // grouped push-like check button
inline constexpr int kCount = 31;
}  // namespace DesignerType

// The window class a control is created with. Scrollbar (0) is never produced by a valid type.
enum class Tvx_ControlKind { Scrollbar = 0, Static, Button, Edit, Listbox, Combobox };

bool isValidControlType(Tvx_ControlType type);
// Scrollbar for a type outside 0..30.
Tvx_ControlKind getControlKind(Tvx_ControlType type);
// "SCROLLBAR", "STATIC", "BUTTON", "EDIT", "LISTBOX" or "COMBOBOX".
const wchar_t* getControlKindClassName(Tvx_ControlKind kind);

// The text of the type in the designer's type list (empty for an invalid type).
Tvx_String getControlTypeText(Tvx_ControlType type);
// Caption of the contents field; empty when the type has none.
Tvx_String getContentsLabel(Tvx_ControlType type);
// Caption of the extended-list field, its parts joined with ";"; empty when the field is not used.
Tvx_String getListLabel(Tvx_ControlType type);
bool hasListLabel(Tvx_ControlType type);

// The text numbers behind the captions (0 = none), for the designer window and tests.
int getControlTypeTextNumber(Tvx_ControlType type);
int getContentsLabelNumber(Tvx_ControlType type);
Tvx_Array<int> getListLabelNumbers(Tvx_ControlType type);

// The types a combo-box window is looked up for (3, 13, 15, 16).
bool isComboPtrType(Tvx_ControlType type);
// Types 25 and 26: buttons with a five-part extended list.
bool hasButtonList(Tvx_ControlType type);
