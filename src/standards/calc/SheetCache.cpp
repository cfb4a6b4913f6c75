// SheetCache.cpp - loading a standards sheet into a calculation grid.
#include "standards/calc/SheetCache.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "spread/TSpread.h"

bool loadSheetCached(TSpread& spread, const Tvx_String& path) {
    if (!fileExists(path)) {
        return false;
    }
    return spread.SSLoadFromFile(toFileSystemPath(path));
}
