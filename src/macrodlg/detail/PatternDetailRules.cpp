// PatternDetailRules.cpp - alternation pictures and the field rules of the bolt pattern dialog.
#include "macrodlg/detail/PatternDetailRules.h"

#include "core/Tvx_Settings.h"

Tvx_String alternationPicturePath(int type) {
    Tvx_String folder = gSettings.tvxDir;
    // The folder setting ends with a separator; do not double it.
    if (folder.endsWith(L"\\", true) || folder.endsWith(L"/", true)) {
        folder = folder.left(folder.length() - 1);
    }
    return folder + L"\\icons\\BoltAlternation" + Tvx_String::fromInt(type) + L".bmp";
}

bool storePatternFields(MacroPatternProps& props, const Tvx_String& count1,
                        const Tvx_String& count2, bool reverse1, bool reverse2, int alternation) {
    if (parseBoltCount(count1) < 1 || alternation < 1 || alternation > kAlternationTypes) {
        return false;
    }
    if (props.hasSecondDirection() && parseBoltCount(count2) < 1) {
        return false;
    }
    props.count1 = Tvx_String::fromInt(parseBoltCount(count1));
    if (props.hasSecondDirection()) {
        props.count2 = Tvx_String::fromInt(parseBoltCount(count2));
        props.reverseStart2 = reverse2;
    }
    props.reverseStart1 = reverse1;
    props.alternation = alternation;
    return true;
}
