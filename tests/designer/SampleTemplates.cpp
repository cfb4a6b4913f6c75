// SampleTemplates.cpp - line drawings of the two sample connections and the controls placed over
// them, and the pages of the sample drawing's macros. Controls are laid out in pixels of the 480 x
// 360 pictures and stored as fractions.
#include "SampleTemplates.h"

#include "BmpCanvas.h"
#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/Tvx_Settings.h"
#include "designer/DesignerTemplates.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 360;

struct PlacedControl {
    Tvx_ControlType type;
    int left, top, right, bottom;
    const wchar_t* contents;
    const wchar_t* list;
};

BmpCanvas drawEndPlate() {
    BmpCanvas c(kWidth, kHeight);
    c.rectangle(60, 10, 90, 350);      // column flange
    c.dashedLine(30, 10, 30, 350, 6);  // column centre line
    c.rectangle(90, 60, 102, 300);     // end plate
    c.line(102, 80, 465, 80);          // beam top flange
    c.line(102, 92, 465, 92);
    c.line(102, 268, 465, 268);  // beam bottom flange
    c.line(102, 280, 465, 280);
    c.line(465, 80, 455, 140);  // break line of the beam's far end
    c.line(455, 140, 475, 220);
    c.line(475, 220, 465, 280);
    for (int y : {110, 150, 210, 250}) {  // bolts through plate and flange
        c.rectangle(48, y - 5, 114, y + 5);
        c.fill(40, y - 9, 48, y + 9);    // head
        c.fill(114, y - 9, 122, y + 9);  // nut
    }
    c.line(102, 80, 112, 70);  // fillet welds
    c.line(102, 280, 112, 290);
    return c;
}

const PlacedControl kEndPlateControls[] = {
    {1, 150, 100, 445, 200, L"End plate", L""},
    {0, 160, 122, 250, 140, L"Thickness", L""},
    {2, 260, 120, 355, 142, L"EP_Thickness", L""},
    {0, 160, 150, 250, 168, L"Height", L""},
    {2, 260, 148, 355, 170, L"EP_Height", L""},
    {0, 160, 178, 250, 196, L"Edge distance", L""},
    {2, 260, 176, 355, 198, L"EP_EdgeDist", L""},
    {0, 160, 218, 250, 236, L"Bolt diameter", L""},
    {3, 260, 216, 375, 238, L"BoltDiameter", L""},
    {0, 160, 244, 250, 262, L"Bolt rows", L""},
    {2, 260, 242, 355, 264, L"BoltRows", L""},
    {29, 140, 300, 290, 320, L"Weld all round", L"1"},
    {30, 300, 296, 345, 336, L"None", L"Stiffener;;;"},
    {30, 350, 296, 395, 336, L"One side", L"Stiffener;;;"},
    {30, 400, 296, 445, 336, L"Both sides", L"Stiffener;;;"},
};

BmpCanvas drawBasePlate() {
    BmpCanvas c(kWidth, kHeight);
    c.rectangle(190, 10, 290, 226);  // column: flanges and web
    c.line(200, 10, 200, 226);
    c.line(280, 10, 280, 226);
    c.dashedLine(240, 5, 240, 350, 6);  // column centre line
    c.rectangle(120, 226, 360, 240);    // base plate
    c.line(40, 248, 440, 248);          // grout on the footing
    c.rectangle(40, 256, 440, 350);     // footing
    for (int x = 40; x <= 345; x += 20) {
        c.line(x, 350, x + 94, 256);
    }
    for (int x : {145, 335}) {  // anchors with their nuts
        c.line(x - 3, 212, x - 3, 330);
        c.line(x + 3, 212, x + 3, 330);
        c.fill(x - 9, 216, x + 9, 225);
        c.line(x + 3, 330, x + 20, 338);
    }
    return c;
}

const PlacedControl kBasePlateControls[] = {
    {1, 296, 20, 474, 130, L"Base plate", L""},  {0, 304, 40, 372, 58, L"Thickness", L""},
    {2, 376, 38, 466, 60, L"BP_Thickness", L""}, {0, 304, 68, 372, 86, L"Length", L""},
    {2, 376, 66, 466, 88, L"BP_Length", L""},    {0, 304, 96, 372, 114, L"Width", L""},
    {2, 376, 94, 466, 116, L"BP_Width", L""},    {1, 6, 20, 186, 102, L"Anchors", L""},
    {0, 14, 40, 80, 58, L"Diameter", L""},       {3, 84, 38, 180, 60, L"AnchorDiameter", L""},
    {0, 14, 68, 80, 86, L"Edge distance", L""},  {2, 84, 66, 180, 88, L"AnchorEdgeDist", L""},
    {0, 304, 170, 372, 188, L"Grout", L""},      {2, 376, 168, 466, 190, L"GroutThickness", L""},
};

// The pages of the sample drawing's macros: the controls name the drawing's variables and
// patterns, and leave some out so that the page's grid shows them.
const PlacedControl kMacroEndPlateControls[] = {
    {1, 150, 100, 445, 262, L"End plate", L""},    {0, 160, 122, 262, 140, L"Thickness", L""},
    {2, 266, 120, 356, 142, L"Thickness", L""},    {0, 160, 150, 262, 168, L"Width", L""},
    {3, 266, 148, 376, 170, L"Width", L""},        {0, 160, 178, 262, 196, L"Height", L""},
    {2, 266, 176, 356, 198, L"Height", L""},       {0, 160, 206, 262, 224, L"Top extension", L""},
    {2, 266, 204, 356, 226, L"TopExtension", L""}, {29, 160, 232, 356, 252, L"Stiffeners", L"0"},
};

const PlacedControl kMacroEndPlateBoltControls[] = {
    {1, 150, 100, 445, 262, L"Bolts", L""}, {0, 160, 122, 262, 140, L"Pitch", L""},
    {2, 266, 120, 356, 142, L"Pitch", L""}, {0, 160, 150, 262, 168, L"Gauge", L""},
    {2, 266, 148, 356, 170, L"Gauge", L""}, {0, 160, 180, 262, 198, L"Pattern", L""},
    {4, 266, 178, 316, 200, L"P1", L""},    {5, 320, 178, 356, 200, L"P1", L""},
    {6, 362, 178, 392, 200, L"P1", L""},
};

const PlacedControl kMacroBasePlateControls[] = {
    {1, 296, 20, 474, 130, L"Base plate", L""}, {0, 304, 40, 372, 58, L"Thickness", L""},
    {2, 376, 38, 466, 60, L"Thickness", L""},   {0, 304, 68, 372, 86, L"Length", L""},
    {2, 376, 66, 466, 88, L"Length", L""},      {0, 304, 96, 372, 114, L"Width", L""},
    {2, 376, 94, 466, 116, L"Width", L""},
};

BmpCanvas drawFinPlate() {
    BmpCanvas c(kWidth, kHeight);
    c.rectangle(60, 10, 90, 350);      // supporting column flange
    c.dashedLine(30, 10, 30, 350, 6);  // column centre line
    c.rectangle(90, 110, 200, 250);    // fin plate welded to the flange
    c.line(120, 60, 465, 60);          // beam top flange
    c.line(120, 72, 465, 72);
    c.line(120, 288, 465, 288);  // beam bottom flange
    c.line(120, 300, 465, 300);
    c.line(120, 60, 120, 300);  // beam end with its gap
    c.line(465, 60, 455, 140);  // break line of the beam's far end
    c.line(455, 140, 475, 220);
    c.line(475, 220, 465, 300);
    for (int y : {140, 180, 220}) {  // bolts through plate and web
        c.circle(160, y, 8);
        c.line(152, y, 168, y);
        c.line(160, y - 8, 160, y + 8);
    }
    c.line(90, 110, 80, 100);  // fillet welds
    c.line(90, 250, 80, 260);
    return c;
}

const PlacedControl kMacroFinPlateControls[] = {
    {1, 240, 100, 450, 214, L"Fin plate", L""}, {0, 250, 122, 340, 140, L"Thickness", L""},
    {2, 344, 120, 440, 142, L"Thickness", L""}, {0, 250, 150, 340, 168, L"Height", L""},
    {2, 344, 148, 440, 170, L"Height", L""},    {0, 250, 178, 340, 196, L"Width", L""},
    {2, 344, 176, 440, 198, L"Width", L""},
};

template <std::size_t N>
bool writeTemplate(const Tvx_String& name, const BmpCanvas& picture,
                   const PlacedControl (&controls)[N], Tvx_String& error) {
    const Tvx_String root = getDesignerRootFolder();
    if (!createFolder(root) || !atomicWriteFile(root + name + L".bmp", picture.bmpBytes())) {
        error = L"cannot write the picture of " + name;
        return false;
    }
    Tvx_DlgDesignerData data;
    for (const PlacedControl& placed : controls) {
        Tvx_DesignerControl control;
        control.type = placed.type;
        control.topLeftX = static_cast<double>(placed.left) / kWidth;
        control.topLeftY = static_cast<double>(placed.top) / kHeight;
        control.bottomRightX = static_cast<double>(placed.right) / kWidth;
        control.bottomRightY = static_cast<double>(placed.bottom) / kHeight;
        control.contents = placed.contents;
        control.setSplitExtComboList(placed.list);
        data.append(control);
    }
    if (!data.writeToFile(root + name + L".txt")) {
        error = data.lastError();
        return false;
    }
    return true;
}

}  // namespace

bool writeSampleTemplates(const Tvx_String& libDir, Tvx_String& error) {
    const Tvx_String previous = gSettings.libDir;
    gSettings.libDir = Tvx_Settings::normalizeFolder(libDir);
    const bool ok =
        writeTemplate(L"End Plate Bolted", drawEndPlate(), kEndPlateControls, error) &&
        writeTemplate(L"Base Plate", drawBasePlate(), kBasePlateControls, error) &&
        writeTemplate(L"Macro End Plate", drawEndPlate(), kMacroEndPlateControls, error) &&
        writeTemplate(L"Macro End Plate Bolts", drawEndPlate(), kMacroEndPlateBoltControls,
                      error) &&
        writeTemplate(L"Macro Base Plate", drawBasePlate(), kMacroBasePlateControls, error) &&
        writeTemplate(L"Macro Fin Plate", drawFinPlate(), kMacroFinPlateControls, error);
    gSettings.libDir = previous;
    return ok;
}

Tvx_StringArray sampleTemplateFiles() {
    return {L"Base Plate.bmp",
            L"Base Plate.txt",
            L"End Plate Bolted.bmp",
            L"End Plate Bolted.txt",
            L"Macro End Plate.bmp",
            L"Macro End Plate.txt",
            L"Macro End Plate Bolts.bmp",
            L"Macro End Plate Bolts.txt",
            L"Macro Base Plate.bmp",
            L"Macro Base Plate.txt",
            L"Macro Fin Plate.bmp",
            L"Macro Fin Plate.txt"};
}
