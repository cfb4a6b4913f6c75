// StandardsSheets.cpp - listing the standards sheets and reading one sheet's variables on a grid
// without a display.
#include "macrodlg/edit/StandardsSheets.h"

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "spread/HeadlessGridHost.h"
#include "spread/Tvx_Spread.h"
#include "standards/mapping/StandardsSheetFile.h"
#include "standards/variables/OvVarCells.h"

namespace {
constexpr int kGridId = 1;
}

Tvx_StringArray standardsSheetNames() {
    const Tvx_String folder = standardsFolder();
    Tvx_StringArray found;
    Tvx_StringArray names;
    if (!ObjectExportFindFilesRecursive(folder, L"*.ovs", found)) {
        return names;
    }
    Tvx_String prefix = folder;
    if (!prefix.isEmpty() && !prefix.endsWith(L"\\", true) && !prefix.endsWith(L"/", true)) {
        prefix += L"\\";
    }
    for (const Tvx_String& path : found) {
        Tvx_String relative = path.startsWith(prefix, true) ? path.mid(prefix.length()) : path;
        names.append(removeExtension(relative));
    }
    return names;
}

bool readSheetVariables(const Tvx_String& ssName, OvVarCells& cells, Tvx_String& error) {
    const Tvx_String path = resolveStandardsFile(ssName);
    HeadlessGridHost host;
    host.addControl(kGridId, {0, 0, 400, 300});
    Tvx_Spread spread;
    if (!spread.create(&host, kGridId, false)) {
        error = L"no grid for the sheet \"" + path + L"\"";
        return false;
    }
    std::wstring reason;
    if (!spread.SSLoadFromFile(toFileSystemPath(path), &reason)) {
        error = L"the sheet \"" + path + L"\" cannot be loaded: " + Tvx_String(reason);
        return false;
    }
    if (!spread.SSReCalc()) {
        error = L"the sheet \"" + path + L"\" cannot be calculated";
        return false;
    }
    OvVarCells found;
    if (found.findVarCells(spread) != Acad::eOk) {
        error = L"the sheet \"" + path + L"\" has no Input or no Output area";
        return false;
    }
    cells = found;
    return true;
}
