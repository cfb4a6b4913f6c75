// SampleTemplates.h - the designer templates bundled with the sample library, drawn and written
// with the designer model itself: a bolted end plate and a column base plate.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// Writes the templates and their pictures below the designer folder of `libDir`; false with the
// reason in `error` when a file cannot be written.
bool writeSampleTemplates(const Tvx_String& libDir, Tvx_String& error);
// The files written, relative to the designer folder.
Tvx_StringArray sampleTemplateFiles();
