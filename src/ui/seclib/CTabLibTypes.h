// CTabLibTypes.h - the types page of the library editor (dialog 8139): the section types with
// their enabled flag, picture, group, profile table and name per language.
#pragma once

#include "ui/seclib/LibListPage.h"

class CTabLibTypes : public LibListPage {
    Q_OBJECT

  public:
    static constexpr int IDD = 8139;
    static constexpr int kList = 1199;
    static constexpr int kGroup = 1196;
    static constexpr int kProfTable = 1198;
    static constexpr int kNameLabel = 1081;
    static constexpr int kImageLabel = 1186;
    static constexpr int kGroupLabel = 1187;
    static constexpr int kProfTableLabel = 1192;
    static constexpr int kNamesLabel = 1188;

    CTabLibTypes(DlgEditLibData& data, QWidget* editor);

    void initTexts();
    // Shows the groups again (their names or order may have changed on the groups page).
    void refreshGroups();
    // Offers these profile tables (the values page's types, new ones included).
    void setProfileTables(const Tvx_StringArray& tables);

  protected:
    int count() const override { return m_data.types.length(); }
    Tvx_String entryName(int i) const override { return m_data.types[i].getName(); }
    bool entryEnabled(int i) const override { return m_data.types[i].enabled; }
    void setEntryEnabled(int i, bool on) override { m_data.types[i].enabled = on; }
    Tvx_String entryImage(int i) const override { return m_data.types[i].image; }
    Tvx_StringArray entryNames(int i) const override { return m_data.types[i].names; }
    void writeEntry(int i, const Tvx_String& image, const Tvx_StringArray& names) override;
    void showOwnFields(int i) override;
    void enableOwnFields(bool on) override;
    int appendEntry() override;
    void removeEntry(int i) override { m_data.types.removeAt(i); }
    void swapEntries(int i, int j) override;
};
