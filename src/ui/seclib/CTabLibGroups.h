// CTabLibGroups.h - the groups page of the library editor (dialog 8138): the section groups with
// their enabled flag, picture and name per language.
#pragma once

#include "ui/seclib/LibListPage.h"

class CTabLibGroups : public LibListPage {
    Q_OBJECT

  public:
    static constexpr int IDD = 8138;
    static constexpr int kList = 1194;
    static constexpr int kNameLabel = 1108;
    static constexpr int kImageLabel = 1186;
    static constexpr int kNamesLabel = 1188;

    CTabLibGroups(DlgEditLibData& data, QWidget* editor);

    void initTexts();

  protected:
    int count() const override { return m_data.groups.length(); }
    Tvx_String entryName(int i) const override { return m_data.groups.getName(i); }
    bool entryEnabled(int i) const override { return m_data.groups.getEnabled(i); }
    void setEntryEnabled(int i, bool on) override { m_data.groups.setEnabled(i, on); }
    Tvx_String entryImage(int i) const override { return m_data.groups.getImage(i); }
    Tvx_StringArray entryNames(int i) const override { return m_data.groups.getLangs(i); }
    void writeEntry(int i, const Tvx_String& image, const Tvx_StringArray& names) override;
    void showOwnFields(int) override {}
    void enableOwnFields(bool) override {}
    int appendEntry() override { return m_data.groups.appendNewGrp(); }
    void removeEntry(int i) override { m_data.groups.removeAt(i); }
    void swapEntries(int i, int j) override { m_data.groups.swap(i, j); }
};
