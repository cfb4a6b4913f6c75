// FileLookupScope.h - one look at each file per standards calculation. A calculation asks for
// the same sheet, mapping and data files again and again (every lookup function call searches
// its file's folders and checks its stamp); while a scope is open, the first answer for a path
// (a regular file with this stamp, or none) is the answer for the rest of the scope, so the
// calculation sees one state of its files and pays one system call per path. Scopes nest (a
// child calculation shares its parent's) and belong to their thread; any file written, copied,
// deleted or created through the core's file helpers clears what was looked up.
#pragma once

#include <filesystem>

#include "core/KeptFiles.h"

class FileLookupScope {
  public:
    FileLookupScope();
    ~FileLookupScope();
    FileLookupScope(const FileLookupScope&) = delete;
    FileLookupScope& operator=(const FileLookupScope&) = delete;
};

// The stamp of the regular file at `path` (false when there is none), from the open scope's
// earlier look when there was one; looked up now, and kept while a scope is open, otherwise.
bool lookUpFileStamp(const std::filesystem::path& path, FileStamp& stamp);

// Forgets the open scope's lookups (a file changed).
void forgetFileLookups();
