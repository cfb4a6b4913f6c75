// StandardsSheetFile.h - the one rule for where a standards sheet named by a request is, and so
// where its mapping file is: a name that is an existing file is that file; any other name is a
// sheet of the library's standards folder.
#pragma once

#include "core/Tvx_String.h"

// The library's folder of connection standards: libDir + "Connection Standards\\".
Tvx_String standardsFolder();

// `name` itself when it is an existing file, else the standards folder + name + ".ovs" (no
// second ".ovs" when the name ends in it); the result may not exist.
Tvx_String resolveStandardsFile(const Tvx_String& name);
