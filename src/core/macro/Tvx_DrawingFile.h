// Tvx_DrawingFile.h - the drawing file: a versioned JSON document (UTF-8) that holds one
// drawing. Tvx_Drawing::loadFromFile / saveToFile use it; the file is written atomically.
//
// Format, version 1 (keys marked * are required; the others take the default shown):
//
//   {
//     "format": "ovss-drawing",*            "version": 1,*
//     "generalVariables": [ { "name":*, "value":* (number) } ],
//     "profiles": [                          the members that macros connect
//       { "handle":* (integer >= 1, unique in the file), "section":*, "material": "",
//         "memberName": "", "offsetType": 0 (0..8), "rotation": 0 (0, 90, 180 or 270) } ],
//     "macros": [
//       { "baseProfiles": [ handle, ... ]  (handles from "profiles", in order),
//         "macro":* null | { "name":*, "modules": [ module, ... ],
//                             "settings": { ... } (Tvx_MacroSettingsJson.h) } } ]
//   }
//
//   module: { "name":* (unique in its macro), "group": "",
//             "type":* "general" (type code 231) | "bolt" (232) | "profile" (233),
//             "template": "" (designer template of its dialog page),
//             "variables": [ { "name":*, "value":* (number), "visible": true, "settable": true,
//                              "flexGroup": "", "flexible": false } ],
//             "cuts": [ { "name":*, "kind": 1 (1..6),
//                         "offsets": { "Offset" | "PolyOffset" | "LengthOffset" |
//                                      "CenterOffset" | "InsideOffset" | "OutsideOffset" |
//                                      "Offset1" | "Offset2" | "Radius" : number } } ],
//             bolt modules only:
//             "bolt": { "assembly": "", "diameter": 0, "holeOffset": 0, "length": 0,
//                       "grade": "" },
//             "patterns": [ { "name":*, "type": 281 | 282 (two directions),
//                             "nrBolts1": 1, "nrBolts2": 1 (whole numbers >= 1),
//                             "reverseStart1": false, "reverseStart2": false,
//                             "alternation": 1 (1..5) } ],
//             profile modules only:
//             "profiles": [ { "memberName": "", "section":*, "material": "",
//                             "offsetType": 0, "rotation": 0 } ] }
//
// Names of variables, cuts, patterns, modules and general variables are unique ignoring case.
// Unknown keys are ignored, so that later versions can add fields; a file of a higher version is
// refused. Files written before sheets existed simply have no "sheets". Object ids are not stored:
// every object gets a new id when the file is loaded.
//
// Example:
//   { "format": "ovss-drawing", "version": 1,
//     "generalVariables": [ { "name": "gen_Gap", "value": 10 } ],
//     "profiles": [ { "handle": 1, "section": "IPE300", "material": "S235" } ],
//     "macros": [ { "baseProfiles": [ 1 ],
//                   "macro": { "name": "EndPlate", "modules": [
//                     { "name": "Plate", "type": "general",
//                       "variables": [ { "name": "Thickness", "value": 15 } ] } ] } } ] }
#pragma once

#include <cstddef>

inline constexpr const char* kDrawingFormatName = "ovss-drawing";
inline constexpr int kDrawingFormatVersion = 1;
// Larger files are refused before parsing; deeper nesting than any valid file is refused too.
inline constexpr std::size_t kDrawingFileMaxBytes = std::size_t{64} << 20;
inline constexpr int kDrawingFileMaxDepth = 16;
