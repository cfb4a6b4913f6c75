// SeclibDialogSupport.cpp - the section library dialogs' test environment.
#include "SeclibDialogSupport.h"

#include <QWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Paths.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "ui/UiTestSupport.h"
#include "ui/seclib/ShapeIcons.h"

namespace seclibtest {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTexts =
    "86\tValue\n"
    "87\tName\n"
    "173\tMove up\n"
    "174\tMove down\n"
    "695\tUndefined\n"
    "719\tI section\n720\tChannel\n721\tTapered channel\n722\tCold channel\n723\tT section\n"
    "724\tUnequal I\n725\tUnequal channel\n726\tFlat bar\n727\tRound bar\n"
    "728\tRectangular tube\n729\tRound tube\n730\tLipped channel\n731\tZ section\n"
    "732\tAngle\n733\tOctagon\n734\tSquare bar\n735\tCut I section\n"
    "736\tDepth\n737\tWidth\n738\tWeb\n739\tFlange\n740\tRadius\n741\tRoot radius\n"
    "742\tToe radius\n743\tDim\n744\tThickness\n745\tBottom width\n746\tBottom flange\n"
    "747\tDiameter\n748\tLip\n749\tFlange\n750\tLip\n751\tLeg\n752\tLeg radius\n753\tCut\n"
    "754\tSection Library\n755\tGroups\n756\tTypes\n757\tValues\n758\tNew group\n"
    "759\tDelete group\n760\tName:\n761\tEnabled\n762\tPicture:\n763\tNames per language:\n"
    "764\tNew section type\n765\tDelete type\n769\tGroup:\n770\tProfile table:\n"
    "771\tNames per language:\n772\tCopy\n773\tPaste\n774\tInsert row\n775\tDelete row\n"
    "776\tRow up\n777\tRow down\n778\tFind\n779\tNew type\n780\tDelete type\n"
    "781\tCaptions...\n782\tRename type...\n783\tShape:\n784\tSection library\n"
    "785\tThe sections of\n786\thave changed. Save them?\n787\tDelete type\n"
    "788\tDelete the type\n789\tand its profile table?\n790\tRename Type\n"
    "791\tNew name of the type\n792\tShape change\n793\tThe shape\n"
    "794\thas fewer dimensions than the table.\n795\tRemove the extra columns?\n"
    "796\tNew section\n797\tSection name\n888\tPlease correct the values\n1098\tSection check\n"
    "1377\tAutomatic name\n1378\tManual name\n1457\tThe corner radius must be 0\n"
    "1458\tor greater than the wall thickness.\n"
    "1677\tSigma\n1678\tSigma+\n1679\tSigma sleeve\n1680\tC+\n1681\tC sleeve\n"
    "1682\tSingle cleat\n1683\tDouble cleat\n1684\tLip\n1685\tStiffener\n1686\tLeg\n"
    "1687\tReturn\n"
    "9400\tSelect section\n9401\tFilter:\n9402\tNot a number in dimension\n"
    "9403\tThe section needs a name.\n9404\tThere is already a section named\n"
    "9405\tSection groups\n9406\tSection types\n9407\tSections\n9408\tNot a number:\n"
    "9409\tNot a valid type name:\n9410\tThe section library file cannot be read:\n"
    "9411\tThe profile table cannot be read:\n9412\tActive\n9413\t(all groups)\n";

constexpr const char* kIpe =
    "#ovss-table 1\n1\n"
    "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\tb\ttw\ttf\tr\tA\n"
    "80\t1\tIPE80\tIPE80\tIPE80\tIPE80\t80\t46\t3.8\t5.2\t5\t7.64\n"
    "100\t1\tIPE100\tIPE100\tIPE100\tIPE100\t100\t55\t4.1\t5.7\t7\t10.32\n"
    "120\t0\tIPE120\tIPE120\tIPE120\tIPE120\t120\t64\t4.4\t6.3\t7\t13.2\n"
    "140\t1\tIPE140\tIPE140\tIPE140\tIPE140\t140\t73\t4.7\t6.9\t7\t16.4\n";

constexpr const char* kRhs =
    "#ovss-table 1\n10\n"
    "SysName\tI/O\tDutch\tEnglish\tFrench\tGerman\th\tb\tt\tr\n"
    "100x50x4\t1\tRHS100x50x4\tRHS100x50x4\tRHS100x50x4\tRHS100x50x4\t100\t50\t4\t8\n"
    "200x100x6\t1\tRHS200x100x6\tRHS200x100x6\tRHS200x100x6\tRHS200x100x6\t200\t100\t6\t12\n";

fs::path lib() {
    return toFileSystemPath(gSettings.libDir).lexically_normal();
}

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

void SeclibDialogTest::SetUp() {
    uitest::resetDialogState();
    const fs::path texts = toFileSystemPath(gSettings.tvxDir) / "texts.tsv";
    savedTexts_ = readAll(texts);
    std::ofstream(texts, std::ios::app) << kTexts;
    reloadTexts();
    std::error_code ec;
    fs::remove_all(lib() / "prof", ec);
    fs::remove(lib() / "SectionLibrary.txt", ec);
    fs::create_directories(lib() / "prof");
    std::ofstream(lib() / "prof" / "IPE.pr", std::ios::binary) << kIpe;
    std::ofstream(lib() / "prof" / "RHS.pr", std::ios::binary) << kRhs;
    std::ofstream(lib() / "prof" / "sigma.dwg", std::ios::binary) << "drawing";
    ovui::seclib::writeShapeIcons(gSettings.tvxDir + L"icons");
}

void SeclibDialogTest::TearDown() {
    const fs::path texts = toFileSystemPath(gSettings.tvxDir) / "texts.tsv";
    std::ofstream(texts, std::ios::binary | std::ios::trunc) << savedTexts_;
    reloadTexts();
    gSettings.workLanguage = L"English";
}

std::map<std::string, std::string> libraryFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(lib())) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(lib()).string()] = readAll(entry.path());
        }
    }
    return files;
}

std::string profBytes(const std::string& type) {
    return readAll(lib() / "prof" / (type + ".pr"));
}

fs::path profPath(const std::string& type) {
    return lib() / "prof" / (type + ".pr");
}

bool profExists(const std::string& type) {
    return fs::exists(lib() / "prof" / (type + ".pr"));
}

void screenshot(QWidget& widget, const QString& name) {
    std::error_code ec;
    fs::create_directories(uitest::screenshotFolder(), ec);
    const fs::path file = uitest::screenshotFolder() / (name.toStdString() + ".png");
    EXPECT_TRUE(widget.grab().save(QString::fromStdString(file.string()))) << file;
}

}  // namespace seclibtest
