// ImageSize.h - the pixel width and height of a picture file, read from its header alone (BMP,
// PNG, JPEG, GIF), without decoding the picture. The designer templates and bill output use it to
// know a picture's size; the picture itself is drawn by the dialog layer.
#pragma once

#include <istream>

#include "core/Tvx_String.h"

enum class ImageFormat { Bmp, Png, Jpeg, Gif };

struct ImageSize {
    ImageFormat format = ImageFormat::Bmp;
    unsigned width = 0;
    unsigned height = 0;
};

// Reads the size from the file's header. False, with `size` unchanged and a message for the user
// in `error`, for a missing or unreadable file, a format other than the four above, a header cut
// short, or a picture without pixels.
bool readImageSize(const Tvx_String& path, ImageSize& size, Tvx_String& error);
// The same on bytes from any stream (positioned at the picture's first byte).
bool readImageSize(std::istream& in, ImageSize& size, Tvx_String& error);

// "BMP", "PNG", "JPEG" or "GIF".
const wchar_t* imageFormatName(ImageFormat format);
