// DetailDialogSupport.cpp - texts and sample records of the detail dialog tests.
#include "ui/macrodlg/DetailDialogSupport.h"

#include "ui/spread/SpreadDialogSupport.h"

namespace detailtest {

void useDetailTexts() {
    spreadtest::useShippedTexts(
        {87,   285,  695,  740,  841,  842,  881,  888,  983,  994,  995,  996,  997,  998,  999,
         1000, 1001, 1022, 1023, 1024, 1025, 1026, 1027, 1032, 1034, 1051, 1056, 1071, 1072, 1073,
         1074, 1078, 1079, 1080, 1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094,
         1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1126, 1127, 1128, 1129, 1130,
         1131, 1132, 1133, 1134, 1135, 1395, 1396, 1397, 1398, 1497, 1498, 9400, 9401, 9402, 9403,
         9404, 9405, 9406, 9407, 9408, 9409, 9410, 9411, 9412, 9413, 9414, 9415, 9416, 9417, 9418,
         9419, 9420, 9421, 9422, 9423, 9424, 9425, 9426, 9427, 9428, 9429, 9430, 9431, 9432, 9433,
         9434, 9435, 9436, 9437, 9438, 9439, 9440, 9441, 9442, 9443, 9444, 9445, 9446, 9447, 9448,
         9449, 9450, 9451, 9452, 9453, 9454, 9455, 9456, 9457, 9458, 9459, 9460, 9461, 9462, 9463,
         9464, 9465, 9466, 9467, 9468, 9469, 9470, 9471, 9472});
}

DlgMacroCutsData sampleCut() {
    DlgMacroCutsData cut;
    cut.newCut = false;
    cut.name = L"Notch top";
    cut.kind = 2;
    cut.vars = {{L"Offset", L"15", false}, {L"LengthOffset", L"gen_notch", true}};
    cut.part = 1;
    cut.side = 2;
    cut.keepContour = true;
    cut.text1 = L"beam top";
    cut.otherCutNames = {L"Cope bottom", L"Chamfer 1"};
    return cut;
}

MacroBoltData sampleBolt() {
    MacroBoltData bolt;
    bolt.assembly = L"M20 8.8 HV";
    bolt.diameter = L"20";
    bolt.holeOffset = L"2";
    bolt.length = L"60";
    bolt.grade = L"8.8";
    bolt.count = 6;
    bolt.holeColumns = {{L"1", L"35", L"3", L"0", L"1"}, {L"2", L"90", L"3", L"0", L"1"}};
    bolt.details.states = {1, 1, 2, 0};
    bolt.details.entries = {{true, L"3", L"70", L"35", L"90", 0},
                            {true, L"3", L"70", L"35", L"90", 1},
                            {false, L"", L"", L"", L"", -1}};
    bolt.details.options = {1, 0, -1, 0, -1};
    return bolt;
}

MacroPatternProps samplePattern() {
    MacroPatternProps pattern;
    pattern.name = L"Flange bolts";
    pattern.typeCode = 282;
    pattern.count1 = L"2";
    pattern.count2 = L"3";
    pattern.reverseStart2 = true;
    pattern.alternation = 2;
    return pattern;
}

DynArrayData sampleArray() {
    DynArrayData array;
    array.name = L"Stiffeners";
    array.details.rows = {{L"Stiffener", L"2", L"150", L"0", L"0"},
                          {L"Stiffener", L"1", L"300", L"20", L"90"}};
    array.details.alternateSide = -1;
    array.details.alternateStep = 1;
    array.details.skip = 1;
    array.entries = {L"Stiffener", L"Stiffener"};
    return array;
}

MacroProfSegmentedData sampleSegments() {
    MacroProfSegmentedData data;
    data.profiles = {
        MacroSegmentedProf{{{L"2000", L"IPE300", L"S355"}, {L"1500", L"IPE240", L"S355"}}},
        MacroSegmentedProf{{{L"3500", L"HEA200", L"S235"}}}};
    return data;
}

MacroData sampleProfileRecord() {
    MacroData data;
    MacroTabData tab;
    tab.kind = 2;
    tab.moduleName = L"Beams";
    MacroProfData a;
    a.groupName = L"Stiffener";
    a.memberName = L"S1";
    a.sectionName = L"FL10x100";
    a.material = L"S235";
    a.rotation = 90;
    a.offsetType = 1;
    MacroProfData b = a;
    b.memberName = L"S2";
    tab.profData = {a, b};
    data.tabs = {tab};
    return data;
}

}  // namespace detailtest
