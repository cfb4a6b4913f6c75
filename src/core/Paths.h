// Paths.h - path text helpers. Inside the application paths are written as the Windows product
// wrote them, with "\\" between parts (libDir + "prof\\" + name); these helpers accept "\\" and "/"
// alike. toFileSystemPath turns a path into the operating system's form; every core file function
// calls it before touching the file system.
#pragma once

#include <filesystem>

#include "core/Tvx_String.h"

// The path with every "\\" turned into "/", for the operating system.
std::filesystem::path toFileSystemPath(const Tvx_String& path);
// A file-system path in the application's form ("\\" separators).
Tvx_String fromFileSystemPath(const std::filesystem::path& path);

// The folder part including its trailing separator: "C:\\lib\\a.pr" -> "C:\\lib\\"; "" without one.
Tvx_String getFolder(const Tvx_String& path);
// The name after the last separator: "lib\\prof\\HEA.pr" -> "HEA.pr".
Tvx_String getFileName(const Tvx_String& path);
// The extension of the file name without its dot, "" when there is none: "a.b\\c.PR" -> "PR".
Tvx_String getExtension(const Tvx_String& path);
// The path without the extension of its file name (folder kept): "x\\a.pr" -> "x\\a".
Tvx_String removeExtension(const Tvx_String& path);
// The path with its extension set to `extension` (given with or without the dot; "" removes it).
Tvx_String changeExtension(const Tvx_String& path, const Tvx_String& extension);
// `folder` and `name` with exactly one "\\" between them (none added to an empty folder).
Tvx_String joinPath(const Tvx_String& folder, const Tvx_String& name);
// The folder with a trailing "\\" (unchanged when it already ends in "\\" or "/", or is empty).
Tvx_String withTrailingSeparator(const Tvx_String& folder);
// Every separator turned into "\\".
Tvx_String toBackslashes(const Tvx_String& path);
// A path as shown to a person on this system: "/" between the parts. The "\\" form stays
// inside the application, where files and callers rely on it.
Tvx_String shownPath(const Tvx_String& path);
