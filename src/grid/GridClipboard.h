// GridClipboard.h - the clipboard that a grid's copy and paste go through: the copied block as
// tab-separated text. A grid host owns one and hands it to every grid it shows, so the grids
// of one dialog copy and paste between each other while two hosts never share one; a grid
// that no host gave a clipboard makes its own.
#pragma once

#include <string>

namespace ovgrid {

struct GridClipboard {
    std::wstring text;
};

}  // namespace ovgrid
