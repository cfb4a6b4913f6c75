// CDlgSectionTranslation.h - the editor of a section-name translation table: two columns (the
// application's section name and the other system's name), rows added and removed with icon
// buttons. writeSectionTranslation shows it and, on OK, writes the table file.
#pragma once

#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "ui/OvDialog.h"

class QTableWidget;

class CDlgSectionTranslation : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 9010;
    static constexpr int kLabel = 9011;
    static constexpr int kTable = 9012;
    static constexpr int kAddRow = 9013;
    static constexpr int kRemoveRow = 9014;

    CDlgSectionTranslation(const Tvx_String& caption, const Tvx_String& labelText,
                           const Tvx_StringArray& names, const Tvx_StringArray& otherNames,
                           QWidget* parent = nullptr);

    QTableWidget* table() const;
    const Tvx_StringArray& names() const { return names_; }
    const Tvx_StringArray& otherNames() const { return otherNames_; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    void addRow(const Tvx_String& name, const Tvx_String& other);
    void removeCurrentRow();

    Tvx_String caption_;
    Tvx_String labelText_;
    Tvx_StringArray names_;
    Tvx_StringArray otherNames_;
};

// Shows the editor on the two lists; on OK stores the edited lists in them and writes the file
// `fileName` (see SectionTranslation.h). True when the edited table was written.
bool writeSectionTranslation(const Tvx_String& caption, const Tvx_String& labelText,
                             const Tvx_String& fileName, Tvx_StringArray& names,
                             Tvx_StringArray& otherNames);
