// ImageSizeTests.cpp - picture sizes read from BMP, PNG, JPEG and GIF headers, and clear failures
// for other files and files cut short.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BmpCanvas.h"
#include "core/AtomicFile.h"
#include "core/TempFolder.h"
#include "core/image/ImageSize.h"

namespace {

std::string be32(unsigned v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}
std::string be16(unsigned v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string le16(unsigned v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8)};
}
std::string le32(unsigned v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

std::string png(unsigned w, unsigned h) {
    return std::string("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(w) + be32(h) +
           std::string("\x08\x02\x00\x00\x00", 5);
}
std::string gif(unsigned w, unsigned h, const char* version = "GIF89a") {
    return version + le16(w) + le16(h) + std::string("\xF7\x00\x00", 3);
}
std::string bmpInfo(int w, int h) {
    return "BM" + le32(70) + le32(0) + le32(54) + le32(40) + le32(static_cast<unsigned>(w)) +
           le32(static_cast<unsigned>(h)) + le16(1) + le16(24);
}
std::string bmpCore(unsigned w, unsigned h) {
    return "BM" + le32(32) + le32(0) + le32(26) + le32(12) + le16(w) + le16(h) + le16(1) + le16(24);
}
std::string segment(unsigned char marker, const std::string& body) {
    return std::string{'\xFF', static_cast<char>(marker)} + be16(2 + body.size()) + body;
}
std::string jpegFrame(unsigned char marker, unsigned w, unsigned h) {
    return segment(marker,
                   std::string("\x08", 1) + be16(h) + be16(w) + std::string("\x01\x01\x11\x00", 4));
}
const std::string kSoi("\xFF\xD8", 2);
const std::string kApp0 =
    segment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
const std::string kDht = segment(0xC4, std::string(20, '\x01'));

bool readBytes(const std::string& bytes, ImageSize& size, Tvx_String& error) {
    std::istringstream in(bytes);
    return readImageSize(in, size, error);
}

struct Valid {
    const char* name;
    std::string bytes;
    ImageFormat format;
    unsigned width;
    unsigned height;
    std::size_t headerLength;  // bytes needed to know the size
};

std::vector<Valid> validPictures() {
    const std::string jpeg = kSoi + kApp0 + "\xFF\xFF" + kDht + jpegFrame(0xC0, 640, 480);
    return {
        {"png", png(300, 200), ImageFormat::Png, 300, 200, 24},
        {"gif89a", gif(320, 240), ImageFormat::Gif, 320, 240, 10},
        {"gif87a", gif(17, 9, "GIF87a"), ImageFormat::Gif, 17, 9, 10},
        {"bmp info header", bmpInfo(480, 360), ImageFormat::Bmp, 480, 360, 26},
        {"bmp top-down", bmpInfo(480, -360), ImageFormat::Bmp, 480, 360, 26},
        {"bmp os/2 header", bmpCore(64, 32), ImageFormat::Bmp, 64, 32, 22},
        {"bmp written", BmpCanvas(7, 5).bmpBytes(), ImageFormat::Bmp, 7, 5, 26},
        {"jpeg baseline", jpeg, ImageFormat::Jpeg, 640, 480, jpeg.size() - 4},
        {"jpeg progressive", kSoi + jpegFrame(0xC2, 1024, 768), ImageFormat::Jpeg, 1024, 768,
         kSoi.size() + 9},
    };
}

TEST(ImageSize, ReadsTheSizeOfEachFormat) {
    for (const Valid& v : validPictures()) {
        ImageSize size;
        Tvx_String error;
        ASSERT_TRUE(readBytes(v.bytes, size, error)) << v.name << ": " << error;
        EXPECT_EQ(size.format, v.format) << v.name;
        EXPECT_EQ(size.width, v.width) << v.name;
        EXPECT_EQ(size.height, v.height) << v.name;
    }
}

TEST(ImageSize, EveryCutThroughTheHeaderFailsAsCutShort) {
    for (const Valid& v : validPictures()) {
        for (std::size_t length = 0; length < v.headerLength; ++length) {
            ImageSize size{ImageFormat::Gif, 1, 1};
            Tvx_String error;
            ASSERT_FALSE(readBytes(v.bytes.substr(0, length), size, error))
                << v.name << " cut at " << length;
            EXPECT_TRUE(error.hasSubString(L"cut short", true)) << v.name << ": " << error;
            EXPECT_EQ(size.width, 1u);  // unchanged
        }
    }
}

TEST(ImageSize, RejectsOtherAndDamagedFiles) {
    struct Case {
        const char* name;
        std::string bytes;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"text", "nrOfControls\tint\t0\n", L"not a BMP, PNG, JPEG or GIF picture"},
        {"tiff", std::string("II*\0\x08\0\0\0", 8), L"not a BMP, PNG, JPEG or GIF picture"},
        {"png without IHDR",
         std::string("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IDAT" + be32(1) + be32(1),
         L"no PNG image header"},
        {"png bad signature", std::string("\x89PNG\r\n\x00\n", 8) + std::string(16, 'x'),
         L"damaged PNG signature"},
        {"png zero width", png(0, 5), L"no pixels"},
        {"png too large", png(0x80000000u, 5), L"impossible size"},
        {"gif bad version", "GIF90a" + le16(1) + le16(1), L"damaged GIF signature"},
        {"gif zero height", gif(5, 0), L"no pixels"},
        {"bmp zero width", bmpInfo(0, 10), L"no pixels"},
        {"bmp negative width", bmpInfo(-4, 10), L"no pixels"},
        {"bmp unknown header", "BM" + le32(0) + le32(0) + le32(0) + le32(8) + le32(0),
         L"unknown bitmap header"},
        {"jpeg ends early", kSoi + kApp0 + "\xFF\xD9", L"ends before its JPEG frame header"},
        {"jpeg junk between segments", kSoi + kApp0 + "\x12\x34", L"damaged JPEG segment"},
        {"jpeg bad length", kSoi + "\xFF\xE1" + be16(1), L"damaged JPEG segment"},
        {"jpeg short frame", kSoi + segment(0xC0, "\x08\x01"), L"damaged JPEG frame header"},
    };
    for (const Case& c : cases) {
        ImageSize size;
        Tvx_String error;
        EXPECT_FALSE(readBytes(c.bytes, size, error)) << c.name;
        EXPECT_TRUE(error.hasSubString(c.message, true)) << c.name << ": " << error;
    }
}

TEST(ImageSize, ReadsFilesAndNamesTheFileInItsErrors) {
    TempFolder temp;
    const Tvx_String picture = temp.file(L"plate.png");
    ASSERT_TRUE(atomicWriteFile(picture, png(12, 34)));
    ImageSize size;
    Tvx_String error;
    ASSERT_TRUE(readImageSize(picture, size, error)) << error;
    EXPECT_EQ(size.width, 12u);
    EXPECT_EQ(size.height, 34u);

    const Tvx_String cut = temp.file(L"cut.gif");
    ASSERT_TRUE(atomicWriteFile(cut, "GIF89a\x01"));
    EXPECT_FALSE(readImageSize(cut, size, error));
    EXPECT_EQ(error, L"the GIF picture is cut short: " + cut);

    EXPECT_FALSE(readImageSize(temp.file(L"missing.bmp"), size, error));
    EXPECT_TRUE(error.hasSubString(L"cannot open", true)) << error;
    EXPECT_FALSE(readImageSize(temp.folder(), size, error));  // a folder is no picture
}

}  // namespace
