// DetailDialogSupport.h - what the macro detail dialog tests share: the shipped texts the dialogs
// show, and sample records full enough to make the screenshots worth looking at.
#pragma once

#include "core/macro/MacroData.h"
#include "core/macro/MacroDetailRecords.h"
#include "core/macro/MacroRecords.h"

namespace detailtest {

// Adds the detail dialogs' texts from library/texts.tsv to the test text table.
void useDetailTexts();

DlgMacroCutsData sampleCut();
MacroBoltData sampleBolt();
MacroPatternProps samplePattern();
DynArrayData sampleArray();
MacroProfSegmentedData sampleSegments();
// A record with a profile tab "Beams" whose group "Stiffener" holds two profiles.
MacroData sampleProfileRecord();

}  // namespace detailtest
