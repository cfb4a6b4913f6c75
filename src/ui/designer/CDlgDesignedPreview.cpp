// CDlgDesignedPreview.cpp - the run-time page of a template with its values listed below.
#include "ui/designer/CDlgDesignedPreview.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/FileSystem.h"
#include "core/Texts.h"
#include "designer/DesignerTemplates.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/designer/DesignedPage.h"
#include "ui/designer/DesignerArtwork.h"

using ovui::toQt;

CDlgDesignedPreview::CDlgDesignedPreview(QWidget* parent) : OvDialog(kTemplateId, parent) {
    auto* layout = new QVBoxLayout(this);
    page_ = new DesignedPage;
    auto* scroll = new QScrollArea;
    scroll->setWidget(page_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);
    values_ = addControl(kValues, new QPlainTextEdit);
    values_->setReadOnly(true);
    values_->setFocusPolicy(Qt::NoFocus);
    values_->setMaximumHeight(90);
    layout->addWidget(values_);
    layout->addLayout(createOkCancelRow());
    connect(page_, &DesignedPage::controlValueChanged, this, &CDlgDesignedPreview::refreshValues);
}

CDlgDesignedPreview::~CDlgDesignedPreview() {
    m_data.removeAllDrawnCtrls();
}

bool CDlgDesignedPreview::load(const Tvx_String& path, Tvx_String& error) {
    Tvx_String file = path;
    if (!fileExists(file) && fileExists(getFileFromName(path))) {
        file = getFileFromName(path);
    }
    if (!m_data.readFromFile(file, true)) {
        error = m_data.lastError();
        return false;
    }
    return true;
}

bool CDlgDesignedPreview::OnInitDialog() {
    setWindowIcon(ovui::designerIcon(ovui::designerIcons::kWindow));
    SetWindowText(dialString(843) + L" - <" + m_data.getTemplateName() + L">");
    page_->showTemplate(m_data);
    refreshValues();
    adjustSize();
    ChangeDlgSize(this, kSizeKey, true);
    m_data.setFocusToCtrl(true);
    return true;
}

void CDlgDesignedPreview::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
}

Tvx_String CDlgDesignedPreview::valuesText() const {
    Tvx_String text;
    for (int order = 1;; ++order) {
        int index = -1;
        if (!m_data.findCtrlWithTabOrder(order, index)) {
            break;
        }
        const Tvx_DesignerControl* control = m_data.getControl(index);
        Tvx_String value;
        if (control == nullptr || !m_data.getCtrlValue(control->resourceId, value)) {
            continue;
        }
        if (!text.isEmpty()) {
            text += L"\n";
        }
        text += Tvx_String::fromInt(order) + L". " + control->contents + L" = " + value;
    }
    return text;
}

void CDlgDesignedPreview::refreshValues() {
    values_->setPlainText(toQt(valuesText()));
}

bool StartDlgDesignerPreview(const Tvx_String& path) {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    OvTempResourceOverride resources(OvTempResourceOverride::ActivateNow{});
    CDlgDesignedPreview dialog;
    Tvx_String error;
    if (!dialog.load(path, error)) {
        ovMessageBox(error, dialString(843), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return dialog.DoModal() == IDOK;
}
