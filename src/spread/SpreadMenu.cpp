// SpreadMenu.cpp - the context menu: item codes, their texts and command ids, and what each
// item runs.
#include <array>

#include "core/Texts.h"
#include "spread/Tvx_Spread.h"

namespace {

// Command ids of the n-th non-separator popup item.
constexpr std::array<int, 10> kCommandIds{32811, 32812, 32816, 32817, 32818,
                                          32800, 32801, 32802, 32803, 32804};

// Numbered text of each item code (index = code); the separator has none.
constexpr std::array<int, 10> kCodeTexts{0, 0, 1154, 1155, 774, 775, 1156, 1157, 1400, 1401};

bool isKnownCode(int code) {
    return code >= Tvx_Spread::kMenuSeparator && code <= Tvx_Spread::kMenuUncheckAll;
}

}  // namespace

bool Tvx_Spread::setContextMenuItems(const Tvx_Array<int>& codes) {
    menuItems.removeAll();
    menuEntries.removeAll();
    std::size_t commands = 0;
    for (int code : codes) {
        // Unknown codes and items beyond the available command ids have no place in the popup.
        if (!isKnownCode(code)) {
            continue;
        }
        MenuEntry entry;
        entry.code = code;
        if (code != kMenuSeparator) {
            if (commands >= kCommandIds.size()) {
                continue;
            }
            entry.text = dialString(kCodeTexts[static_cast<std::size_t>(code)]);
            entry.commandId = kCommandIds[commands++];
        }
        menuItems.append(code);
        menuEntries.append(entry);
    }
    return true;
}

bool Tvx_Spread::hasContextMenu() const {
    return !menuItems.isEmpty();
}

bool Tvx_Spread::runContextMenuItem(int n) {
    if (n < 0) {
        return false;
    }
    int index = 0;
    for (int code : menuItems) {
        if (code == kMenuSeparator) {
            continue;
        }
        if (index++ == n) {
            return runMenuCode(code);
        }
    }
    return false;
}

bool Tvx_Spread::onCommand(int commandId) {
    for (std::size_t n = 0; n < kCommandIds.size(); ++n) {
        if (kCommandIds[n] == commandId) {
            return runContextMenuItem(static_cast<int>(n));
        }
    }
    return false;
}

bool Tvx_Spread::runMenuCode(int code) {
    if (!created) {
        return false;
    }
    // The row or column the command works on: the selected block's first, else the active cell.
    int col = 0, row = 0, col2 = 0, row2 = 0;
    if (!SSGetSelectedBlock(col, row, col2, row2) || col < 1 || row < 1) {
        SSGetActiveCell(col, row);
    }
    switch (code) {
        case kMenuCopy:
            return SSClipboardCopy();
        case kMenuPaste:
            return SSClipboardPaste();
        case kMenuInsertRow:
            return insertRowAt(row, false, true);
        case kMenuDeleteRow:
            return deleteRowAt(row);
        case kMenuInsertCol:
            return insertColAt(col, true, true);
        case kMenuDeleteCol:
            return deleteColAt(col);
        case kMenuCheckAll:
            return setAllChecks(true);
        case kMenuUncheckAll:
            return setAllChecks(false);
        default:
            return false;
    }
}
