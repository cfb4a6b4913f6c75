// UiTestSupport.cpp - the test program's environment: the QApplication, the folders and the text
// table the dialogs read, and the screenshot helper.
#include "UiTestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <fstream>
#include <memory>

#include "core/Registry.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "ui/DialogDriver.h"
#include "ui/OvDialog.h"

namespace uitest {

namespace {

namespace fs = std::filesystem;

fs::path rootFolder() {
    static const fs::path root =
        fs::temp_directory_path() / ("ovss-ui-" + std::to_string(::getpid()));
    return root;
}

// The texts the dialogs under test show, in English.
constexpr const char* kTexts =
    "Number\tEnglish\n"
    "1\tOK\n"
    "2\tCancel\n"
    "665\tExport bolts\n"
    "670\tCIS/2 profile names\n"
    "1463\tConstruction grid\n"
    "1464\tFirst direction\n"
    "1465\tSecond direction\n"
    "1466\tNumber of lines:\n"
    "1467\tDistances:\n"
    "1468\tFirst name:\n"
    "1469\tGroup the grid lines\n"
    "1731\tCIS/2 options\n"
    "1732\tChoose how the model is exchanged in CIS/2 files.\n"
    "1733\tThe options below apply to a custom exchange only.\n"
    "1734\tUse the standard exchange\n"
    "1735\tUse a custom exchange\n"
    "1736\tExport holes without bolts\n"
    "1737\tExchange the analysis model\n"
    "1738\tExchange the design model\n"
    "1739\tEdit profile names...\n"
    "1740\tThe CIS/2 profile name of each section name:\n"
    "1741\tExport assemblies\n"
    ":HEA200\tHEA 200 column\n";

class UiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        fs::remove_all(rootFolder());
        fs::create_directories(rootFolder() / "lib");
        fs::create_directories(rootFolder() / "app");
        std::ofstream(rootFolder() / "app" / "texts.tsv") << kTexts;
        ::setenv("OVSS_REGISTRY", (rootFolder() / "registry.json").c_str(), 1);
        OvRegistry::reload();
        gSettings.resetForTests(Tvx_String::fromUtf8((rootFolder() / "lib").string()),
                                Tvx_String::fromUtf8((rootFolder() / "app").string()));
        reloadTexts();
        app_ = std::make_unique<QApplication>(argc_, argv_);
        ovui::DialogDriver::setUnattended(true);
    }
    void TearDown() override {
        app_.reset();
        std::error_code ec;
        fs::remove_all(rootFolder(), ec);
    }

  private:
    int argc_ = 1;
    char name_[12] = "dialog_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiEnvironment);

}  // namespace

Tvx_String libFolder() {
    return gSettings.libDir;
}

Tvx_String libFile(const wchar_t* name) {
    return gSettings.libDir + name;
}

Tvx_String writePicture(const wchar_t* name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(230, 236, 245));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(40, 60, 120), 3));
    painter.drawRect(width / 6, height / 6, width * 2 / 3, height * 2 / 3);
    painter.drawLine(width / 2, height / 6, width / 2, height * 5 / 6);
    painter.end();
    const Tvx_String path = libFile(name);
    image.save(QString::fromStdWString(path.wstr()).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return path;
}

fs::path screenshotFolder() {
    // The build folder is the nearest parent of the test program that holds CMakeCache.txt.
    std::error_code ec;
    fs::path folder = fs::read_symlink("/proc/self/exe", ec).parent_path();
    while (!folder.empty() && !fs::exists(folder / "CMakeCache.txt")) {
        if (folder == folder.parent_path()) {
            folder = fs::current_path();
            break;
        }
        folder = folder.parent_path();
    }
    return folder / "screenshots";
}

QString saveScreenshot(QWidget& widget) {
    std::error_code ec;
    fs::create_directories(screenshotFolder(), ec);
    // The class name without its namespace: "ovui::PromptDialog" -> "PromptDialog".
    const QString name = QString::fromLatin1(widget.metaObject()->className()).split(u':').last();
    const fs::path file = screenshotFolder() / (name.toStdString() + ".png");
    const QString path = QString::fromStdString(file.string());
    EXPECT_TRUE(widget.grab().save(path)) << file;
    return path;
}

void drive(std::function<void(OvDialog&)> action) {
    ovui::DialogDriver::push([action = std::move(action)](OvDialog& dlg) {
        saveScreenshot(dlg);
        action(dlg);
    });
}

void resetDialogState() {
    OvRegistry::deleteKey(HKEY_CURRENT_USER, L"Software\\Orvane\\ovss\\Dialogs");
    ovui::DialogDriver::clear();
}

}  // namespace uitest
