// ImageSize.cpp - header readers for BMP, PNG, JPEG and GIF pictures. Only the few bytes that
// hold the size are read; a JPEG is walked segment by segment up to its frame header.
#include "core/image/ImageSize.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>

#include "core/FileSystem.h"
#include "core/Paths.h"

namespace {

// Sequential reader over the picture's bytes; every read reports whether the bytes were there.
class ByteReader {
  public:
    explicit ByteReader(std::istream& in) : in_(in) {}

    bool read(std::uint8_t* out, std::size_t count) {
        in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
        return static_cast<std::size_t>(in_.gcount()) == count;
    }
    bool byte(std::uint8_t& value) { return read(&value, 1); }
    bool skip(std::size_t count) {
        // Reading (not seeking) keeps the end of a short file detectable on every stream.
        std::array<char, 4096> sink{};
        while (count > 0) {
            const std::size_t chunk = count < sink.size() ? count : sink.size();
            in_.read(sink.data(), static_cast<std::streamsize>(chunk));
            if (static_cast<std::size_t>(in_.gcount()) != chunk) {
                return false;
            }
            count -= chunk;
        }
        return true;
    }

  private:
    std::istream& in_;
};

std::uint32_t le16(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t be16(const std::uint8_t* p) {
    return (p[0] << 8) | p[1];
}
std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}
std::uint32_t be32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

enum class Outcome { Ok, Truncated, Invalid };

struct Result {
    Outcome outcome = Outcome::Invalid;
    unsigned width = 0;
    unsigned height = 0;
    const wchar_t* problem = L"";
};

Result sized(std::uint64_t width, std::uint64_t height) {
    if (width == 0 || height == 0) {
        return {Outcome::Invalid, 0, 0, L"has no pixels"};
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (width > kMax || height > kMax) {
        return {Outcome::Invalid, 0, 0, L"has an impossible size"};
    }
    return {Outcome::Ok, static_cast<unsigned>(width), static_cast<unsigned>(height), L""};
}
Result truncated() {
    return {Outcome::Truncated, 0, 0, L"is cut short"};
}
Result invalid(const wchar_t* problem) {
    return {Outcome::Invalid, 0, 0, problem};
}

// After "BM": the rest of the 14-byte file header, then the info header, whose first field is
// its own size: 12 for the old OS/2 form (16-bit sizes), 16 or more for the later forms.
Result readBmp(ByteReader& in) {
    std::array<std::uint8_t, 24> h{};
    if (!in.read(h.data(), 16)) {
        return truncated();
    }
    const std::uint32_t infoSize = le32(&h[12]);
    if (infoSize == 12) {
        if (!in.read(&h[16], 4)) {
            return truncated();
        }
        return sized(le16(&h[16]), le16(&h[18]));
    }
    if (infoSize < 16) {
        return invalid(L"has an unknown bitmap header");
    }
    if (!in.read(&h[16], 8)) {
        return truncated();
    }
    const auto width = static_cast<std::int32_t>(le32(&h[16]));
    const auto height = static_cast<std::int32_t>(le32(&h[20]));
    if (width <= 0) {
        return invalid(L"has no pixels");
    }
    // A negative height marks a picture stored top row first.
    const std::int64_t rows = height < 0 ? -std::int64_t{height} : std::int64_t{height};
    return sized(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(rows));
}

// After the 8-byte signature the first chunk must be IHDR: length, type, width, height.
Result readPng(ByteReader& in) {
    std::array<std::uint8_t, 16> h{};
    if (!in.read(h.data(), h.size())) {
        return truncated();
    }
    if (h[4] != 'I' || h[5] != 'H' || h[6] != 'D' || h[7] != 'R') {
        return invalid(L"has no PNG image header");
    }
    return sized(be32(&h[8]), be32(&h[12]));
}

// The logical screen size follows the 6-byte signature.
Result readGif(ByteReader& in) {
    std::array<std::uint8_t, 4> h{};
    if (!in.read(h.data(), h.size())) {
        return truncated();
    }
    return sized(le16(&h[0]), le16(&h[2]));
}

bool isJpegFrameMarker(std::uint8_t marker) {
    // SOF0-SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// After SOI: segments up to the first frame header. Every step consumes bytes, so the walk ends
// at the end of the file at the latest.
Result readJpeg(ByteReader& in) {
    for (;;) {
        std::uint8_t byte = 0;
        if (!in.byte(byte)) {
            return truncated();
        }
        if (byte != 0xFF) {
            return invalid(L"has a damaged JPEG segment");
        }
        std::uint8_t marker = 0xFF;
        while (marker == 0xFF) {  // fill bytes
            if (!in.byte(marker)) {
                return truncated();
            }
        }
        if (marker == 0xD9) {
            return invalid(L"ends before its JPEG frame header");
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            continue;  // markers without a length
        }
        std::array<std::uint8_t, 2> lengthBytes{};
        if (!in.read(lengthBytes.data(), 2)) {
            return truncated();
        }
        const std::uint32_t length = be16(lengthBytes.data());
        if (length < 2) {
            return invalid(L"has a damaged JPEG segment");
        }
        if (isJpegFrameMarker(marker)) {
            std::array<std::uint8_t, 5> frame{};  // precision, height, width
            if (length < 2 + frame.size()) {
                return invalid(L"has a damaged JPEG frame header");
            }
            if (!in.read(frame.data(), frame.size())) {
                return truncated();
            }
            return sized(be16(&frame[3]), be16(&frame[1]));
        }
        if (!in.skip(length - 2)) {
            return truncated();
        }
    }
}

}  // namespace

const wchar_t* imageFormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::Bmp:
            return L"BMP";
        case ImageFormat::Png:
            return L"PNG";
        case ImageFormat::Jpeg:
            return L"JPEG";
        case ImageFormat::Gif:
            return L"GIF";
    }
    return L"";
}

bool readImageSize(std::istream& stream, ImageSize& size, Tvx_String& error) {
    ByteReader in(stream);
    std::array<std::uint8_t, 6> magic{};
    if (!in.read(magic.data(), 2)) {
        error = L"the picture is empty or cut short";
        return false;
    }
    ImageFormat format;
    Result result;
    if (magic[0] == 'B' && magic[1] == 'M') {
        format = ImageFormat::Bmp;
        result = readBmp(in);
    } else if (magic[0] == 0xFF && magic[1] == 0xD8) {
        format = ImageFormat::Jpeg;
        result = readJpeg(in);
    } else if (magic[0] == 0x89 && magic[1] == 'P') {
        static constexpr std::array<std::uint8_t, 6> kPngRest{'N', 'G', '\r', '\n', 0x1A, '\n'};
        format = ImageFormat::Png;
        if (!in.read(magic.data(), 6)) {
            result = truncated();
        } else {
            result = magic == kPngRest ? readPng(in) : invalid(L"has a damaged PNG signature");
        }
    } else if (magic[0] == 'G' && magic[1] == 'I') {
        format = ImageFormat::Gif;
        if (!in.read(magic.data(), 4)) {
            result = truncated();
        } else if (magic[0] == 'F' && magic[1] == '8' && (magic[2] == '7' || magic[2] == '9') &&
                   magic[3] == 'a') {
            result = readGif(in);
        } else {
            result = invalid(L"has a damaged GIF signature");
        }
    } else {
        error = L"the file is not a BMP, PNG, JPEG or GIF picture";
        return false;
    }
    if (result.outcome != Outcome::Ok) {
        error = Tvx_String(L"the ") + imageFormatName(format) + L" picture " + result.problem;
        return false;
    }
    size = ImageSize{format, result.width, result.height};
    return true;
}

bool readImageSize(const Tvx_String& path, ImageSize& size, Tvx_String& error) {
    std::ifstream in;
    if (fileExists(path)) {
        in.open(toFileSystemPath(path), std::ios::binary);
    }
    if (!in.is_open()) {
        error = L"cannot open the picture " + path;
        return false;
    }
    Tvx_String problem;
    if (!readImageSize(in, size, problem)) {
        error = problem + L": " + path;
        return false;
    }
    return true;
}
