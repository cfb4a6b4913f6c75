// LibListPage.h - what the groups and types pages of the library editor share: a check combo of
// the entries (checked = enabled), the enabled check box, a picture combo, a grid with the
// entry's name per language, and the new, delete, move down and move up buttons. Selecting an
// entry first applies the fields to the one selected before. The pages fill in how an entry is
// read, written, made, removed and swapped.
//
// A page is a child dialog without a window of its own: Escape goes to the editor, Enter does
// nothing here.
#pragma once

#include "core/sections/SectionLibrary.h"
#include "spread/Tvx_Spread.h"
#include "ui/OvDialog.h"
#include "ui/grid/QtGridHost.h"

class CCheckComboBox;
class QGridLayout;

class LibListPage : public OvDialog {
    Q_OBJECT

  public:
    // Control ids both pages use.
    static constexpr int kEnabled = 1185;
    static constexpr int kNew = 1189;
    static constexpr int kDelete = 1190;
    static constexpr int kNamesGrid = 1193;
    static constexpr int kImage = 1195;
    static constexpr int kMoveDown = 1442;
    static constexpr int kMoveUp = 1443;

    LibListPage(int templateId, int listId, DlgEditLibData& data, QWidget* editor);
    ~LibListPage() override;

    // Builds the grid and shows the entries; call once the page is in its editor.
    void initPage();
    // Writes the fields into the selected entry.
    void applyCurrent();
    // Shows the list again and the entry `select` (-1: none).
    void refreshList(int select);
    int current() const { return current_; }
    // Selects an entry as the user does (applies the previous one first).
    void select(int index);

    CCheckComboBox* list() const;
    Tvx_Spread& namesGrid() { return m_names; }

  protected:
    void OnOK() override;
    void OnCancel() override;

    // The page's own part.
    virtual int count() const = 0;
    virtual Tvx_String entryName(int i) const = 0;
    virtual bool entryEnabled(int i) const = 0;
    virtual void setEntryEnabled(int i, bool on) = 0;
    virtual Tvx_String entryImage(int i) const = 0;
    virtual Tvx_StringArray entryNames(int i) const = 0;
    // Writes image, names and the page's own fields.
    virtual void writeEntry(int i, const Tvx_String& image, const Tvx_StringArray& names) = 0;
    virtual void showOwnFields(int i) = 0;
    virtual void enableOwnFields(bool on) = 0;
    virtual int appendEntry() = 0;
    virtual void removeEntry(int i) = 0;
    virtual void swapEntries(int i, int j) = 0;

    // The grid the page lays out its label and field rows in.
    QGridLayout* fields() const { return fields_; }
    // Fills the picture combo with the library's pictures.
    void fillImages();
    void showCurrent();

    DlgEditLibData& m_data;

  private:
    void onNew();
    void onDelete();
    void onMove(int step);
    void onEnabledClicked();
    void onListChecked(int index, bool checked);

    QWidget* editor_;
    QGridLayout* fields_ = nullptr;
    ovui::grid::QtGridHost m_host;
    Tvx_Spread m_names;
    int listId_;
    int current_ = -1;
    bool filling_ = false;
};
