// DesignerArtwork.h - the icons of the dialog designer by resource number: the window icon, the
// open, save, picture, width and height buttons and the flex-button icon. Drawn with QPainter
// on first use; numbers the module's common artwork already has are taken from there.
#pragma once

#include <QIcon>

namespace ovui {

namespace designerIcons {
constexpr int kWindow = 148;
constexpr int kRemove = 206;
constexpr int kAdd = 212;
constexpr int kCopy = 223;
constexpr int kPicture = 231;
constexpr int kOpen = 232;
constexpr int kSave = 233;
constexpr int kWidth = 235;
constexpr int kHeight = 236;
constexpr int kFlex = 239;
}  // namespace designerIcons

// The icon with that number; a null icon for numbers the designer does not use.
QIcon designerIcon(int resourceId);

}  // namespace ovui
