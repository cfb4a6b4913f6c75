// DlgCSP2Data.h - the record of the cutting-stock dialog: named sets and, for each of three
// tables (stock lengths on hand and two more of the same form), the rows of every set. The
// optimisation that consumes it runs in the caller; the dialog edits it set by set.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// One table: its column headers and its rows, each tagged with the set it belongs to.
struct DlgCSP2Table {
    Tvx_StringArray headers;
    Tvx_Array<int> setIds;  // parallel to rows
    Tvx_Array<Tvx_StringArray> rows;

    bool operator==(const DlgCSP2Table&) const = default;

    // The rows of set `setId`, in order.
    Tvx_Array<Tvx_StringArray> rowsOfSet(int setId) const;
    // Replaces the rows of set `setId` by `newRows`, keeping them where the set's rows stood (at
    // the end when the set had none).
    void replaceRowsOfSet(int setId, const Tvx_Array<Tvx_StringArray>& newRows);
    void removeSet(int setId) { replaceRowsOfSet(setId, {}); }
};

class DlgCSP2Data {
  public:
    static constexpr int kTableCount = 3;

    DlgCSP2Data() = default;
    DlgCSP2Data(const DlgCSP2Data&) = default;
    DlgCSP2Data& operator=(const DlgCSP2Data&) = default;
    virtual ~DlgCSP2Data() = default;

    bool operator==(const DlgCSP2Data&) const = default;

    // Appends a set named `name`; its identifier is one more than the largest in use (1 for the
    // first), so removing the newest set frees its identifier again.
    int addSet(const Tvx_String& name);
    // Removes the set and its rows from every table; returns the identifier that becomes current
    // (the next set, else the previous one, -1 when none is left or `setId` is unknown).
    int removeSet(int setId);
    // Index of the set in setIds / setNames; -1 when unknown.
    int indexOfSet(int setId) const;
    Tvx_String setName(int setId) const;

    Tvx_Array<int> setIds;
    Tvx_StringArray setNames;  // parallel to setIds
    DlgCSP2Table tables[kTableCount];
    bool mode = false;  // work on existing files only: the listing saves every set's stock
};

// Shows the cutting-stock dialog; true (record updated) when the user confirms.
bool StartDlgCSP2(DlgCSP2Data& data);
