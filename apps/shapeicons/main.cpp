// main.cpp - ovss-shape-icons FOLDER: writes the big and small icon of every built-in section
// shape and the "Unknown" icons into FOLDER/icons, the picture of the sample user section into
// FOLDER/User Sections and the sample group pictures into FOLDER/prof. Existing files are
// replaced. Runs without a display.
#include <QApplication>
#include <QBuffer>
#include <cstdio>
#include <cstdlib>

#include "core/AtomicFile.h"
#include "core/FileSystem.h"
#include "core/Tvx_Settings.h"
#include "ui/seclib/ShapeIcons.h"

namespace {

bool writePicture(const QImage& image, const Tvx_String& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "BMP") &&
           atomicWriteFile(
               path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ovss-shape-icons LIBRARY_FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const Tvx_String folder = Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(argv[1]));
    bool ok = ovui::seclib::writeShapeIcons(folder + L"icons", true);
    ok = createFolder(folder + L"User Sections") &&
         writePicture(ovui::seclib::paintShapeIcon(18, 128),
                      folder + L"User Sections\\Sigma 200.bmp") &&
         ok;
    ok = writePicture(ovui::seclib::paintShapeIcon(1, 48), folder + L"prof\\Hot rolled.bmp") &&
         writePicture(ovui::seclib::paintShapeIcon(12, 48), folder + L"prof\\Cold formed.bmp") &&
         ok;
    if (!ok) {
        std::fprintf(stderr, "ovss-shape-icons: a file could not be written below %s\n", argv[1]);
        return 1;
    }
    return 0;
}
