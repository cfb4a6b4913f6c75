// OvSelectImageDlgData.h - the record of the select-image dialog: the caption, the picture files
// to offer (full paths, in display order) and, on return, the name of the chosen thumbnail.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

class OvSelectImageDlgData {
  public:
    OvSelectImageDlgData() = default;
    OvSelectImageDlgData(const OvSelectImageDlgData&) = default;
    OvSelectImageDlgData& operator=(const OvSelectImageDlgData&) = default;
    virtual ~OvSelectImageDlgData() = default;

    bool operator==(const OvSelectImageDlgData&) const = default;

    Tvx_String m_title;
    Tvx_StringArray m_files;
    Tvx_String m_selection;
};

// Shows the select-image dialog; true (selection set) when the user confirms a thumbnail.
bool StartDlgSelectImage(OvSelectImageDlgData& data);
