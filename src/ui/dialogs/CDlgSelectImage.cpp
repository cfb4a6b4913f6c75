// CDlgSelectImage.cpp - the select-image dialog and its launcher.
#include "ui/dialogs/CDlgSelectImage.h"

#include <QVBoxLayout>

#include "core/Paths.h"
#include "core/Texts.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/controls/CImageListCtrl.h"

CDlgSelectImage::CDlgSelectImage(QWidget* parent) : OvDialog(kTemplateId, parent) {
    // The layout stands in for the resizer: the list takes all extra room, OK and Cancel stay
    // at the bottom right.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addControl(kImageList, new CImageListCtrl(this)), 1);
    layout->addLayout(createOkCancelRow());
    setSizeGripEnabled(true);
    resize(520, 420);
}

CImageListCtrl* CDlgSelectImage::imageList() const {
    return qobject_cast<CImageListCtrl*>(item(kImageList));
}

bool CDlgSelectImage::OnInitDialog() {
    SetWindowText(m_data.m_title);
    SetDlgItemText(IDOK, dialString(1));
    SetDlgItemText(IDCANCEL, dialString(2));
    imageList()->InitListCtrl();
    fillImageList();
    // The window may not become smaller than its designed size. (Taking the restored size as the
    // minimum would stop a user from ever making an enlarged dialog smaller again.)
    m_minSize = size();
    ChangeDlgSize(this, kSizeKey);
    setMinimumSize(m_minSize);
    m_initialised = true;
    return true;
}

void CDlgSelectImage::fillImageList() {
    CImageListCtrl* list = imageList();
    list->setFiles(m_data.m_files);
    if (m_data.m_files.isEmpty()) {
        return;
    }
    Tvx_StringArray names;
    for (int i = 0; i < m_data.m_files.length(); ++i) {
        const Tvx_String name = removeExtension(getFileName(m_data.m_files[i]));
        names.append(MacroLangs::GetString(Tvx_String(), name));
    }
    list->setNames(names);
}

void CDlgSelectImage::OnOK() {
    m_data.m_selection = imageList()->GetSelectedName();
    if (!m_data.m_selection.isEmpty()) {
        EndDialog(IDOK);
    }
}

void CDlgSelectImage::OnDestroy() {
    if (m_initialised) {
        WriteDlgSize(this, kSizeKey);
    }
}

bool StartDlgSelectImage(OvSelectImageDlgData& data) {
    return ovui::runModalOnCopy<CDlgSelectImage>(data);
}
