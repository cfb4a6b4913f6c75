// SampleRecords.h - the records the studio opens the dialogs on, and the sample pictures the
// select-image dialog offers (drawn section outlines, written once into a folder of the studio).
#pragma once

#include <QString>

#include "dialogs/OvDlgCis2Data.h"
#include "dialogs/OvGridDlgData.h"
#include "dialogs/OvSelectImageDlgData.h"

namespace studio {

OvDlgCis2Data sampleCis2Record();
OvGridDlgData sampleGridRecord();
// Pictures are written into `pictureFolder` (created when missing).
OvSelectImageDlgData sampleSelectImageRecord(const QString& pictureFolder);

// One line that says what a record holds, for the command line.
QString describe(const OvDlgCis2Data& record);
QString describe(const OvGridDlgData& record);
QString describe(const OvSelectImageDlgData& record);

}  // namespace studio
