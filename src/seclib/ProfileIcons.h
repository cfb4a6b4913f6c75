// ProfileIcons.h - which icon file shows a section type or a user section: files in the product
// folder's "icons\\" sub-folder, named after the shape ("ProfSectionI-big.bmp"), the drawing or
// the user section, with "Unknown-big.bmp" / "Unknown-small.bmp" when there is none. A user
// section's small icon may be made from its picture ("<name>-automated.bmp").
#pragma once

#include "core/Tvx_String.h"

inline constexpr const wchar_t* kUserSectionsFolder = L"User Sections\\";

// The icon folder: gSettings.tvxDir + "icons\\".
Tvx_String profileIconFolder();

// The icon file name (relative to the icon folder) for a shape field, or, when `shape` is empty,
// for the user section `userSection` ("User Sections\\Sigma 200.bmp" or without the folder).
Tvx_String getProfileIconName(const Tvx_String& shape, const Tvx_String& userSection, bool big);

// Copies libDir + "User Sections\\" + sectionName + ".bmp" to the icon folder as
// sectionName + "-automated.bmp" when the copy is missing or older than the picture. False when
// the picture does not exist or the copy cannot be written; `iconName` receives the icon's name.
bool updateAutomatedIcon(const Tvx_String& sectionName, Tvx_String& iconName);
