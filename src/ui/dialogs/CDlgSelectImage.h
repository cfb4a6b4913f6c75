// CDlgSelectImage.h - the select-image dialog (template 8719): one picture chosen out of a list
// of picture files shown as thumbnails with translated names. Resizable; its size is remembered
// under "DLG_SELECT_IMAGE".
#pragma once

#include <QSize>

#include "dialogs/OvSelectImageDlgData.h"
#include "ui/OvDialog.h"

class CImageListCtrl;

class CDlgSelectImage : public OvDialog {
    Q_OBJECT

  public:
    static constexpr int kTemplateId = 8719;
    static constexpr int kImageList = 8720;  // the thumbnail list
    static constexpr const wchar_t* kSizeKey = L"DLG_SELECT_IMAGE";

    explicit CDlgSelectImage(QWidget* parent = nullptr);

    OvSelectImageDlgData& data() { return m_data; }
    CImageListCtrl* imageList() const;
    // The smallest size the window may take, fixed at the end of initialisation.
    QSize minimumWindowSize() const { return m_minSize; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnDestroy() override;

  private:
    void fillImageList();

    OvSelectImageDlgData m_data;
    QSize m_minSize;
    bool m_initialised = false;
};
