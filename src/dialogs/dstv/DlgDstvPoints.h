// DlgDstvPoints.h - the groups of DSTV points: one ".dat" file per group in the library's
// "DSTV Points\\" folder, and the standard group, kept in the user's settings. A group file holds
// a version line and one line per point.
#pragma once

#include "core/Tvx_Array.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "dialogs/dstv/Tvx_DstvPointInfo.h"

class DlgDstvPoints {
  public:
    // libDir + "DSTV Points\\".
    static Tvx_String folder();
    // folder() + name + ".dat".
    static Tvx_String groupPath(const Tvx_String& groupName);
    // A group name usable as a file name (not blank, no path separators or reserved characters).
    static bool isValidGroupName(const Tvx_String& groupName);

    // The group names (file names without ".dat"), sorted.
    static void getAllDstvPointsFiles(Tvx_StringArray& groups);
    // The standard group's file name ("Plates.dat"); empty when none is set.
    static Tvx_String getStandardDstvPointsFile();
    static bool setStandardDstvPointsFile(const Tvx_String& fileName);

    // Reads the points of a group file; false with `error` naming the file, the line and the
    // cause, `points` then unchanged. An empty file is a group without points.
    static bool readFromFile(const Tvx_String& path, Tvx_Array<Tvx_DstvPointInfo>& points,
                             Tvx_String& error);
    // Writes the points atomically; false with `error`, the file then unchanged.
    static bool writeToFile(const Tvx_String& path, const Tvx_Array<Tvx_DstvPointInfo>& points,
                            Tvx_String& error);
};

// Shows the DSTV points groups dialog.
void StartDSTVPointsDlg();
