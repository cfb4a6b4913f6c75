// DesignerTestSupport.cpp - the test library's designer folder and texts.
#include "DesignerTestSupport.h"

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "designer/DesignerTemplates.h"
#include "ui/spread/SpreadDialogSupport.h"

namespace designertest {

Tvx_String prepareLibrary() {
    spreadtest::useShippedTexts(
        {90,   171,  285,  695,  705,  744,  799,  800,  801,  802,  803,  804,  805,  806,
         807,  808,  809,  810,  811,  812,  813,  814,  815,  816,  817,  818,  819,  820,
         821,  822,  823,  825,  826,  827,  828,  829,  830,  831,  833,  834,  836,  837,
         838,  839,  840,  841,  842,  843,  1315, 1316, 1317, 1318, 1319, 1320, 1341, 1342,
         1395, 1396, 1397, 1398, 1403, 1404, 1405, 1406, 1428, 1429, 1430, 1431, 2220, 9414});
    const Tvx_String root = getDesignerRootFolder();
    EXPECT_TRUE(createFolder(root));
    const Tvx_String bundled =
        Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/Dialog Templates/Dialog Design/");
    for (const wchar_t* ext : {L".txt", L".bmp"}) {
        EXPECT_TRUE(
            copyFile(bundled + L"End Plate Bolted" + ext, root + L"End Plate Bolted" + ext, true));
    }
    return root + L"End Plate Bolted.txt";
}

}  // namespace designertest
