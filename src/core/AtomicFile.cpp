// AtomicFile.cpp - converts the path and forwards to the base layer.
#include "core/AtomicFile.h"

#include "base/AtomicFile.h"
#include "core/FileLookupScope.h"
#include "core/Paths.h"

bool atomicWriteFile(const Tvx_String& path, std::string_view bytes, Tvx_String* error) {
    std::wstring why;
    const bool written = ovbase::writeFileAtomically(toFileSystemPath(path), bytes, &why);
    forgetFileLookups();
    if (!written && error) {
        *error = Tvx_String(why);
    }
    return written;
}

bool readFileBytes(const Tvx_String& path, std::string& bytes, std::size_t maxBytes) {
    return ovbase::readWholeFile(toFileSystemPath(path), bytes, nullptr, maxBytes);
}
