// Tvx_DesignerControl.h - one control of a designed dialog: its type, its rectangle as fractions
// of the background picture, its contents and its extended list, and how it is stored in a
// template's properties file.
#pragma once

#include "core/Tvx_PropertiesList.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "designer/Tvx_ControlType.h"

class Tvx_DesignerControl {
  public:
    Tvx_DesignerControl() = default;
    Tvx_DesignerControl(const Tvx_DesignerControl&) = default;
    Tvx_DesignerControl& operator=(const Tvx_DesignerControl&) = default;
    virtual ~Tvx_DesignerControl() = default;
    bool operator==(const Tvx_DesignerControl& other) const = default;

    // The extended list as one text, its parts joined with ";":
    //   type 30:      flex group;flex part 2;flex part 3;flex part 4
    //   types 25, 26: button part 1;button part 2;button part 3;button part 4;comboList
    //   other types:  comboList
    Tvx_String getMergedExtComboList() const;
    // Splits `text` into the fields by the same table. Missing parts become empty and extra parts
    // are ignored; for the other types the whole text goes to comboList and button part 2 is
    // emptied. Returns true.
    bool setSplitExtComboList(const Tvx_String& text);

    // Reads the seven keys of control `i` ("type" + i, ...); missing keys read as 0 or empty.
    void getFromPropList(const Tvx_PropertiesList& list, const int& i);
    // Writes the seven keys of control `i`, the extended list merged.
    void setToPropList(Tvx_PropertiesList& list, const int& i) const;

    // When comboList names an existing file, its lines become `items`; otherwise `items` is left
    // as it was. Returns whether the file was read.
    bool getComboItemsFromFile(Tvx_StringArray& items) const;

    Tvx_ControlType type = 0;
    bool disabled = false;  // set by the template's user at run time; not stored
    int resourceId = 0;     // window identifier; 0 when the identifier pool was exhausted
    int tabOrder = 0;       // 1-based keyboard order; 0 = none
    double topLeftX = 0.0;  // X as a fraction of the picture width, Y of its height
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Tvx_String contents;   // caption, variable name (types 2, 3), flex button name (30), index (28)
    Tvx_String comboList;  // item file (combos), initial value (29), fifth list part (25, 26)
    Tvx_String flexGroup;  // the four list parts of a flex button (type 30)
    Tvx_String flexPart2;
    Tvx_String flexPart3;
    Tvx_String flexPart4;
    Tvx_String buttonPart1;  // the first four list parts of types 25 and 26
    Tvx_String buttonPart2;
    Tvx_String buttonPart3;
    Tvx_String buttonPart4;
    Tvx_StringArray items;  // combo items given at run time; not stored
};
