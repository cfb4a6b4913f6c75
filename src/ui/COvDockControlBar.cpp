// COvDockControlBar.cpp - the dock bar and the showing of a docked dialog.
#include "ui/COvDockControlBar.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QVBoxLayout>

#include "host/HostWindow.h"
#include "ui/DlgSize.h"
#include "ui/ModalLauncher.h"
#include "ui/QtText.h"
#include "ui/spread/CFormulaView.h"

COvDockControlBar::COvDockControlBar() {
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

COvDockControlBar::~COvDockControlBar() = default;

Tvx_String COvDockControlBar::sizeKey() const {
    return L"DOCKBAR_" + m_toolId;
}

bool COvDockControlBar::Create(QMainWindow* frame, const Tvx_String& title,
                               std::unique_ptr<OvDialog> dialog, int templateId,
                               const Tvx_String& toolId) {
    if (!dialog) {
        return false;
    }
    m_templateId = templateId;
    m_toolId = toolId;
    setObjectName(ovui::toQt(L"dock" + toolId));
    setWindowTitle(ovui::toQt(title));

    // The dialog becomes a plain child that fills the bar, a little in from the left and top.
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(kDialogInset, kDialogInset, 0, 0);
    m_dialog = dialog.release();
    m_dialog->setParent(content, Qt::Widget);
    layout->addWidget(m_dialog);
    setWidget(content);
    // OK or Cancel in a docked dialog closes its bar.
    connect(m_dialog, &QDialog::finished, this, [this] { close(); });

    // A floating bar comes back at the size it had when it last floated.
    QWidget probe;
    if (ChangeDlgSize(&probe, sizeKey())) {
        m_floatSize = probe.size();
    }
    if (frame) {
        setParent(frame);
        frame->addDockWidget(Qt::LeftDockWidgetArea, this);
    } else {
        // No host frame to dock in: the bar floats on its own.
        setFloating(true);
        resize(m_floatSize);
    }
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        if (floating) {
            resize(m_floatSize);
        }
    });
    show();
    m_dialog->show();
    return true;
}

void COvDockControlBar::resizeEvent(QResizeEvent* event) {
    QDockWidget::resizeEvent(event);
    if (isFloating() && isVisible()) {
        m_floatSize = size();
    }
}

void COvDockControlBar::closeEvent(QCloseEvent* event) {
    QDockWidget::closeEvent(event);
    if (m_closing) {
        return;
    }
    m_closing = true;
    QWidget sized;
    sized.resize(m_floatSize);
    WriteDlgSize(&sized, sizeKey());
    if (m_closeRoutine) {
        m_closeRoutine(*this);
    }
    deleteLater();
}

bool showDockedDialog(COvDockControlBar*& slot, std::unique_ptr<OvDialog> dialog, int templateId,
                      const Tvx_String& toolId, const Tvx_String& title) {
    if (slot) {
        slot->show();
        slot->raise();
        return true;
    }
    if (!dialog) {
        return false;
    }
    auto* frame = qobject_cast<QMainWindow*>(static_cast<QWidget*>(adsw_acadMainWnd()));
    auto* bar = new COvDockControlBar;
    if (!bar->Create(frame, title, std::move(dialog), templateId, toolId)) {
        delete bar;
        return false;
    }
    COvDockControlBar** where = &slot;
    bar->setCloseRoutine([where](COvDockControlBar& closing) {
        if (*where == &closing) {
            *where = nullptr;
        }
    });
    slot = bar;
    return true;
}

namespace {
COvDockControlBar* gWorkbenchBar = nullptr;
}  // namespace

extern "C" bool ovssShowDockedWorkbench() {
    if (!ovui::canShowDialogs()) {
        return false;
    }
    auto dialog = std::make_unique<CFormulaView>(evaluateSSFile());
    // The dialog is shown inside the bar, so it is initialised here rather than by DoModal.
    if (!gWorkbenchBar && !dialog->initialiseModeless()) {
        return false;
    }
    return showDockedDialog(gWorkbenchBar, std::move(dialog), CFormula::IDD,
                            L"{6F1D2C3A-8B4E-4C55-9A77-0B1E2D3C4F50}", L"Formulas");
}
