// PreviewBitmap.h - a small preview picture for a macro drawing that has none: a 24-bit BMP
// with a frame and a pattern taken from the macro's name, so that different macros look
// different. Written atomically.
#pragma once

#include "core/Tvx_String.h"

inline constexpr int kPreviewPixels = 64;

bool writePreviewBitmap(const Tvx_String& path, const Tvx_String& seed);
