// OpenSaveFiles.cpp - questions, deletion and the file-name check of the open-save dialog.
#include "dialogs/OpenSaveFiles.h"

#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"

Tvx_String OpenSaveFiles::overwriteQuestion(const Tvx_String& name) const {
    Tvx_String text = dialString(1128) + L"\n";
    if (!suitable.contains(name, false)) {
        text += dialString(1129) + L"\n";
    }
    return text + L"\n" + dialString(1130) + L"\n";
}

Tvx_String OpenSaveFiles::overwriteCaption() {
    return dialString(1131);
}

Tvx_String OpenSaveFiles::deleteQuestion(const Tvx_String& name) {
    return dialString(1132) + L" \"" + name + L"\" " + dialString(1133) + L"\n" + dialString(1134) +
           L"\n";
}

Tvx_String OpenSaveFiles::deleteCaption() {
    return dialString(1135);
}

bool OpenSaveFiles::deleteName(const Tvx_String& name) {
    if (name.isEmpty() || !deleteFile(pathOf(name)) || fileExists(pathOf(name))) {
        return false;
    }
    for (Tvx_StringArray* list : {&suitable, &all}) {
        for (int i = list->find(name, false); i >= 0; i = list->find(name, false)) {
            list->removeAt(i);
        }
    }
    return true;
}

bool warnInvalidFileName(const Tvx_String& name) {
    Tvx_String cause;
    if (name.isEmpty()) {
        cause = dialString(9500);
    } else if (hasInvalidFileNameChars(name) || name.find(L'/') >= 0 || name.find(L'\\') >= 0) {
        cause = dialString(9501);
    } else if (name == L"." || name == L".." || name.endsWith(L".", true) ||
               name.endsWith(L" ", true)) {
        cause = dialString(9502);
    } else if (name.length() > 255) {
        cause = dialString(9503);
    } else {
        return true;
    }
    ovMessageBox(L"\"" + name + L"\": " + cause, dialString(9504), MB_OK | MB_ICONEXCLAMATION);
    return false;
}
