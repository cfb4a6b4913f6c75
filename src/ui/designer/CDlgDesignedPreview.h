// CDlgDesignedPreview.h - a designed template shown as the macro parameter dialog shows it: in
// run-time mode over its picture, Tab following the designed order, with the value of every
// control listed below the page as it changes.
#pragma once

#include "designer/Tvx_DlgDesignerData.h"
#include "ui/OvDialog.h"

class DesignedPage;
class QPlainTextEdit;

class CDlgDesignedPreview : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 9227;
    static constexpr int kValues = 9228;
    static constexpr const wchar_t* kSizeKey = L"DLG_DLGDESIGNER_PREVIEW";

    explicit CDlgDesignedPreview(QWidget* parent = nullptr);
    ~CDlgDesignedPreview() override;

    // Reads the template with its picture; false with the reason in `error` when it cannot.
    bool load(const Tvx_String& path, Tvx_String& error);
    Tvx_DlgDesignerData& designerData() { return m_data; }
    DesignedPage* page() const { return page_; }
    // "name = value" per control that has a value, one per line, in tab order.
    Tvx_String valuesText() const;

  protected:
    bool OnInitDialog() override;
    void OnDestroy() override;

  private:
    void refreshValues();

    Tvx_DlgDesignerData m_data;
    DesignedPage* page_ = nullptr;
    QPlainTextEdit* values_ = nullptr;
};

// Shows the template at `path` (a file, or a template name below the designer folder) in
// run-time mode; false when it cannot be read or the preview is not closed with OK.
bool StartDlgDesignerPreview(const Tvx_String& path);
