// DesignerTemplates.h - where designer templates live and how they are named and listed.
//
// Templates are properties files ending in ".txt" anywhere below the designer root folder, each
// with its picture beside it (same path, ".bmp"). A template's name is its path below the root
// folder without the extension, with "\\" separators: "Plates\\End Plate".
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

// The library folder (gSettings.libDir) + "Dialog Templates\\Dialog Design\\".
Tvx_String getDesignerRootFolder();
// True when `path` lies below the designer root folder (compared after resolving "." and "..").
bool isBelowDesignerRoot(const Tvx_String& path);
// The template name of a file below the root folder; false (name unchanged) outside it.
bool getNameFromFile(const Tvx_String& path, Tvx_String& name);
// The file of a template name: root folder + name + ".txt".
Tvx_String getFileFromName(const Tvx_String& name);

// The names of all templates below the root folder, sorted (`names` is emptied first). False
// when the folder is missing.
bool getModuleImages(Tvx_StringArray& names);
// The variable names (type-2 contents) of the template at `path`, read without its picture.
// `names` is emptied first; false when the template cannot be read.
bool GetImageDlgCtrlNames(const Tvx_String& path, Tvx_StringArray& names);
