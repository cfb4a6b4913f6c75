// DlgSelectProfTest.cpp - the section selection dialog, the section combo functions and the
// shape icons.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTableWidget>
#include <fstream>
#include <set>

#include "SeclibDialogSupport.h"
#include "core/FileSystem.h"
#include "core/MessageService.h"
#include "core/Tvx_Settings.h"
#include "core/sections/SectionLibraryFile.h"
#include "ui/DialogDriver.h"
#include "ui/seclib/DlgSelectProf.h"
#include "ui/seclib/ProfileCombo.h"
#include "ui/seclib/ShapeIcons.h"

namespace {

using ovui::DialogDriver;

void writeLibrary() {
    DlgEditLibData data;
    SectionGroup beams;
    beams.id = 1;
    beams.names = Tvx_StringArray{L"Balken", L"Beams", L"Poutres", L"Träger"};
    data.groups.appendGroup(beams);
    SectionGroup tubes;
    tubes.id = 2;
    tubes.names = Tvx_StringArray{L"", L"Tubes", L"", L""};
    data.groups.appendGroup(tubes);
    data.types.append(SectionType(true, L"", 1, L"IPE", Tvx_StringArray{L"", L"IPE", L"", L""}));
    data.types.append(SectionType(true, L"", 2, L"RHS", Tvx_StringArray{L"", L"RHS", L"", L""}));
    Tvx_String error;
    ASSERT_TRUE(writeSectionLibrary(sectionLibraryPath(), data, error)) << error;
}

class SelectSection : public seclibtest::SeclibDialogTest {};

TEST_F(SelectSection, StartsOnTheGivenSectionFiltersAndReturnsTheChoice) {
    writeLibrary();
    DialogDriver::push([](OvDialog& dlg) {
        auto& select = static_cast<DlgSelectProf&>(dlg);
        EXPECT_EQ(select.groups()->currentItem()->text(), QStringLiteral("Tubes"));
        EXPECT_EQ(select.types()->currentItem()->text(), QStringLiteral("RHS"));
        EXPECT_EQ(select.sections()->currentItem()->text(), QStringLiteral("RHS200x100x6"));
        EXPECT_EQ(select.values()->rowCount(), 4);
        EXPECT_EQ(select.values()->item(0, 0)->text(), QStringLiteral("200"));
        select.groups()->setCurrentRow(0);
        EXPECT_EQ(select.types()->currentItem()->text(), QStringLiteral("IPE"));
        // The inactive IPE120 is not offered.
        EXPECT_EQ(select.sections()->count(), 3);
        select.lineEdit(DlgSelectProf::kFilter)->setText(QStringLiteral("14"));
        ASSERT_EQ(select.sections()->count(), 1);
        seclibtest::screenshot(dlg, QStringLiteral("SelectSection"));
        dlg.pressButton(IDOK);
    });
    Tvx_String name = L"RHS-200x100x6";
    ASSERT_TRUE(selectProfile(name, false));
    EXPECT_EQ(name, L"IPE-140");

    Tvx_String kept = L"IPE-80";
    DialogDriver::push([](OvDialog& dlg) { dlg.pressButton(IDCANCEL); });
    EXPECT_FALSE(selectProfile(kept, false));
    EXPECT_EQ(kept, L"IPE-80");
}

TEST_F(SelectSection, DamagedLibraryFileIsReportedAndTypesStillOffered) {
    std::ofstream(seclibtest::profPath("IPE").parent_path().parent_path() / "SectionLibrary.txt")
        << "garbage";
    const auto before = seclibtest::libraryFiles();
    MessageRecorder messages;
    DialogDriver::push([](OvDialog& dlg) {
        auto& select = static_cast<DlgSelectProf&>(dlg);
        EXPECT_EQ(select.types()->count(), 2);
        dlg.pressButton(IDCANCEL);
    });
    Tvx_String name;
    EXPECT_FALSE(selectProfile(name, false));
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.last().text.hasSubString(L"SectionLibrary.txt\", line 1", true));
    EXPECT_EQ(seclibtest::libraryFiles(), before);
}

TEST_F(SelectSection, ComboFunctionsFillSelectAndReadBack) {
    QComboBox combo;
    Tvx_StringArray names;
    fillProfileCombo(combo, names, L"RHS-200x100x6");
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), QStringLiteral("Undefined"));
    EXPECT_EQ(combo.currentIndex(), 1);
    Tvx_String chosen;
    ASSERT_TRUE(getSelectedProfile(combo, names, chosen));
    EXPECT_EQ(chosen, L"RHS-200x100x6");
    combo.setCurrentIndex(2);
    EXPECT_FALSE(getSelectedProfile(combo, names, chosen));

    fillProfileCombo(combo, names, L"User Sections\\Sigma 200.dwg");
    EXPECT_EQ(combo.currentText(), QStringLiteral("Sigma 200"));
    ASSERT_TRUE(getSelectedProfile(combo, names, chosen));
    EXPECT_EQ(chosen, L"User Sections\\Sigma 200.dwg");
}

TEST_F(SelectSection, EveryBuiltInShapeHasItsOwnIconFile) {
    std::set<QByteArray> drawings;
    // All drawings side by side, for a person to look at.
    QImage sheet(13 * 68, 2 * 68, QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QPainter painter(&sheet);
    for (int shape = 0; shape <= 24; ++shape) {
        const QImage image = ovui::seclib::paintShapeIcon(shape, 64);
        painter.drawImage(2 + (shape % 13) * 68, 2 + (shape / 13) * 68, image);
        drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
    }
    painter.end();
    EXPECT_EQ(drawings.size(), 25u);  // no two shapes look the same
    QLabel view;
    view.setPixmap(QPixmap::fromImage(sheet));
    view.resize(sheet.size());
    seclibtest::screenshot(view, QStringLiteral("ShapeIcons"));
    const Tvx_String icons = gSettings.tvxDir + L"icons\\";
    for (const wchar_t* name : {L"ProfSectionI-big.bmp", L"ProfSectionSigma Sleeve-small.bmp",
                                L"ProfSectionDouble Cleat-big.bmp", L"Unknown-big.bmp"}) {
        EXPECT_TRUE(fileExists(icons + name)) << Tvx_String(name);
    }
    EXPECT_EQ(
        QImage(
            QString::fromStdWString((icons + L"ProfSectionC-big.bmp").wstr()).replace(u'\\', u'/'))
            .width(),
        64);
}

}  // namespace
