// ModuleArtwork.h - the module's bitmaps and icons by resource number. The artwork is our own,
// drawn with QPainter on first use and cached, so the module ships no image files.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ovui {

// Icon numbers the dialogs' buttons use.
namespace icons {
constexpr int kDelete = 206;
constexpr int kAdd = 212;
constexpr int kPickInDrawing = 217;
constexpr int kCopy = 223;
constexpr int kPaste = 224;
constexpr int kInsertRow = 225;
constexpr int kDeleteRow = 226;
constexpr int kRowUp = 227;
constexpr int kRowDown = 228;
constexpr int kOpenFile = 232;
constexpr int kSaveFile = 233;
constexpr int kSettings = 234;
constexpr int kFind = 238;
constexpr int kShowFilter = 240;
constexpr int kHideFilter = 241;
constexpr int kMoveUp = 257;
constexpr int kMoveDown = 258;
constexpr int kMoveUpAlt = 261;
constexpr int kMoveDownAlt = 262;
}  // namespace icons

// True when the module has a bitmap / icon with this number.
bool hasModuleBitmap(int resourceId);
bool hasModuleIcon(int resourceId);

// The bitmap (check-box pictures 8134 ticked, 8136 unticked); a null pixmap for unknown numbers.
QPixmap moduleBitmap(int resourceId);
// The icon; a null icon for unknown numbers.
QIcon moduleIcon(int resourceId);

}  // namespace ovui
