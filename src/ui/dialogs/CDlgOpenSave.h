// CDlgOpenSave.h - the filtered open-save dialog (template 231): the property files of one
// folder as a list of names, either those that suit the current macro or all of them. In save
// mode it checks the name and asks before replacing a file; a listed file can be deleted.
#pragma once

#include "dialogs/OpenSaveFiles.h"
#include "ui/OvDialog.h"

class QListWidget;

class CDlgOpenSave : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 231;
    static constexpr const wchar_t* kSizeKey = L"DLG_OPENSAVEFILTERED";
    // Control ids.
    static constexpr int kList = 1317;
    static constexpr int kName = 1043;
    static constexpr int kDelete = 1087;
    static constexpr int kShowAll = 1382;

    explicit CDlgOpenSave(QWidget* parent = nullptr);

    OpenSaveFiles& data() { return m_data; }
    QListWidget* list() const;
    // Deletes the selected file after asking (button 1087).
    void OnDelete();

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void fillList();

    OpenSaveFiles m_data;
    bool m_initialised = false;
};
