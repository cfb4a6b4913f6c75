// MappingTabModel.h - what the standards-mapping tab of the macro settings decides without a
// widget: the rows of the mapping list (sheet and what it maps to), the detail of one row (the
// sheet's Input and Output variables, each with the macro objects it may be bound to), and how
// both are stored: targets in the settings record, object choices in the sheet's mapping file
// under a key that no other line of that file uses.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "macrodlg/edit/MacroSettingsData.h"
#include "macrodlg/edit/MappingIdentifier.h"
#include "standards/OvValueType.h"
#include "standards/mapping/OvSSMapping.h"

// The list's second column for a sheet that maps to the entire macro.
inline const wchar_t* const kEntireMacro = L"<Entire macro>";

class OvVarCells;

struct MappingListRow {
    Tvx_String spreadsheet;
    Tvx_String mapsTo;  // kEntireMacro or a module name
};

struct MappingDetailRow {
    bool section = false;  // the "Input" and "Output" rows
    bool input = true;
    Tvx_String typeText;  // "Getal", "Decim" or "Tekst"
    Tvx_String stdName;   // the sheet's variable (for a section row: "Input" / "Output")
    OvValueType valueType = OvValueString;
    // The macro objects offered, grouped by visibility under the groups' headers; entry 0 is ""
    // (not mapped). `objects` is parallel; `headers` holds the indices of the group headers,
    // which are never chosen.
    Tvx_StringArray choices;
    Tvx_Array<OvObjectMap> objects;
    Tvx_Array<int> headers;
    int chosen = 0;

    bool isHeader(int choice) const { return headers.contains(choice); }
};

class MappingTabModel {
  public:
    // Works on `data`, which must outlive the model.
    explicit MappingTabModel(TabMappingData& data);

    bool hasMacro() const { return data_.macro != nullptr && data_.macro->macro() != nullptr; }
    // Column choices: the sheets of the standards folder; "<Entire macro>" and the modules.
    const Tvx_StringArray& spreadsheetChoices() const { return sheetChoices_; }
    Tvx_StringArray targetChoices() const;

    // The list as the record holds it.
    Tvx_Array<MappingListRow> listRows() const;
    // Takes the list as edited: targets of "<Entire macro>" rows keep the key the row had for
    // the same sheet, others become "Module." + module. Sets modified when the lists change.
    void storeList(const Tvx_Array<MappingListRow>& rows);

    // Shows the detail of `row` (-1 for none): false, with the detail empty, for a module
    // target, a row out of range or a sheet that cannot be loaded (`error` then says why).
    bool showDetail(int row, Tvx_String* error = nullptr);
    int detailRow() const { return detailRow_; }
    const Tvx_Array<MappingDetailRow>& detail() const { return detail_; }
    // Chooses entry `choice` of detail row `row`'s objects; false out of range or for a header.
    bool choose(int row, int choice);
    bool chooseText(int row, const Tvx_String& text);

    // Stores the detail shown: when the choices differ from the mapping stored under the row's
    // key, writes them under a new key, makes that the row's target and lists the new mapping
    // on the host's command line (so the author sees what went to the file). False, with nothing
    // changed and `error` saying why, when no key can be made or the file cannot be written.
    bool storeDetail(Tvx_String* error = nullptr);

    // The buttons: each works on the stored list and returns the row to make current.
    int moveUp(int row);
    int moveDown(int row);
    int insertBefore(int row);
    int remove(int row);

    bool modified() const { return modified_; }
    void setModified() { modified_ = true; }
    void setGenerator(RandomTextGenerator generator) { generator_ = std::move(generator); }
    // The mapping of the detail's choices.
    OvSSMapping chosenMapping() const;

  private:
    void offerObjects(MappingDetailRow& row) const;
    void buildDetail(const OvVarCells& cells, const OvSSMapping& stored);

    TabMappingData& data_;
    Tvx_StringArray sheetChoices_;
    Tvx_StringArray openSpreadsheets_;
    Tvx_StringArray openTargets_;
    OvSSMapping macroObjects_;
    int detailRow_ = -1;
    bool detailLoaded_ = false;
    Tvx_String detailSheet_;  // the sheet and key the detail was read for
    Tvx_String detailKey_;
    Tvx_Array<MappingDetailRow> detail_;
    bool modified_ = false;
    RandomTextGenerator generator_;  // empty: the core's random texts
};

// "Getal", "Decim", "Tekst" for value types 0, 1, 2.
Tvx_String valueTypeText(OvValueType type);
// How an object is offered: module + "." + object name + "." + kind keyword, and for a section
// property the column's name in brackets: ".Prof0;1.MemberSectionSize (h)".
Tvx_String macroObjectText(const OvObjectMap& object);
