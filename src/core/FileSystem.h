// FileSystem.h - file and folder services: existence, creation, copy, delete, file times and
// listings. Paths are in the application's form ("\\" or "/"); nothing here throws.
#pragma once

#include <cstdint>

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"

bool fileExists(const Tvx_String& path);    // a regular file (or a link to one)
bool folderExists(const Tvx_String& path);  // a folder (or a link to one)
// Creates the folder and any missing parents; true when it exists afterwards.
bool createFolder(const Tvx_String& path);
// Copies a regular file; the target is written atomically. False when the source is missing or
// the target cannot be written (the target is then unchanged).
bool copyFile(const Tvx_String& source, const Tvx_String& target, bool overwrite = true);
// Deletes a file (never a folder); true when it is gone afterwards.
bool deleteFile(const Tvx_String& path);

// Last-write time in nanoseconds since the epoch; false when the file does not exist.
bool getFileTime(const Tvx_String& path, std::int64_t& time);
bool ObjectExportGetFileTime(const Tvx_String& path, std::int64_t& time);

// True when the file name matches a wildcard pattern ("*" any run, "?" one character),
// ignoring case as the Windows file system does. "*" and "*.*" match every name.
bool matchesWildcard(const Tvx_String& name, const Tvx_String& pattern);

// The files of `folder` (not its sub-folders) whose names match `pattern`, sorted by name.
// With fullPaths the entries are folder + name (folder given a trailing "\\"), else just names.
Tvx_StringArray listFiles(const Tvx_String& folder, const Tvx_String& pattern,
                          bool fullPaths = true);
// The sub-folder names of `folder`, sorted.
Tvx_StringArray listFolders(const Tvx_String& folder);

// Every file below `folder` (at any depth, links to folders not followed, at most 64 levels)
// whose name matches `pattern`, as `folder` (exactly as given, plus a trailing separator) followed
// by the relative path with "\\" separators, sorted. Appends to
// `found`; returns false when `folder` is not a folder.
bool ObjectExportFindFilesRecursive(const Tvx_String& folder, const Tvx_String& pattern,
                                    Tvx_StringArray& found);

// Why `path` cannot be written, in the system's words ("Permission denied"), judged by the
// rights on its folder and on the file itself; empty when nothing stands in the way. For the
// message after a write failed.
Tvx_String whyNotWritable(const Tvx_String& path);
// Why `path` cannot be read, in the system's words; empty when it can.
Tvx_String whyNotReadable(const Tvx_String& path);
// The messages after a read or write of `path` failed: "\"<path>\" cannot be read: <why>."
// (the path as shown to a person; the reason left out when none is known).
Tvx_String cannotReadMessage(const Tvx_String& path);
Tvx_String cannotWriteMessage(const Tvx_String& path);
