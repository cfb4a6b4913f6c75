// DesignerProperties.cpp - the designer's property fields: the type list, the contents and the
// extended list of the single selected control, shown and read back.
#include "designer/Tvx_DlgDesignerData.h"

namespace {

// Sets the flag for the lifetime of the scope, so that the fields' change notifications that
// filling them causes are ignored.
class UpdatingScope {
  public:
    explicit UpdatingScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~UpdatingScope() { flag_ = previous_; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

}  // namespace

int Tvx_DlgDesignerData::getCurSel() const {
    if (!m_tracker) {
        return -1;
    }
    int index = -1;
    return findCtrlFromResource(m_tracker->singleSelection(), index) ? index : -1;
}

void Tvx_DlgDesignerData::updateProps(const int& index) {
    if (m_dialog == nullptr) {
        return;
    }
    UpdatingScope scope(m_updatingProperties);
    const Tvx_DesignerControl* control = getControl(index);
    if (control == nullptr) {
        m_dialog->selectListIndex(m_typeFieldId, -1);
        for (int id : {m_contentsLabelId, m_contentsFieldId, m_listLabelId, m_listFieldId}) {
            m_dialog->setItemText(id, Tvx_String());
        }
        for (int id :
             {m_typeFieldId, m_contentsLabelId, m_contentsFieldId, m_listLabelId, m_listFieldId}) {
            m_dialog->enableItem(id, false);
        }
        return;
    }
    m_dialog->selectListIndex(m_typeFieldId, control->type);
    m_dialog->setItemText(m_contentsLabelId, getContentsLabel(control->type));
    m_dialog->setItemText(m_contentsFieldId, control->contents);
    for (int id : {m_typeFieldId, m_contentsLabelId, m_contentsFieldId}) {
        m_dialog->enableItem(id, true);
    }
    const bool hasList = hasListLabel(control->type);
    m_dialog->setItemText(m_listLabelId, hasList ? getListLabel(control->type) : Tvx_String());
    m_dialog->setItemText(m_listFieldId, hasList ? control->getMergedExtComboList() : Tvx_String());
    m_dialog->enableItem(m_listLabelId, hasList);
    m_dialog->enableItem(m_listFieldId, hasList);
}

void Tvx_DlgDesignerData::updatePropsOfCurSel() {
    if (!m_tracker) {
        return;
    }
    UpdatingScope scope(m_updatingProperties);
    if (m_designMode) {
        const int index = getCurSel();
        updateProps(index);
        if (index >= 0) {
            m_tracker->select(m_controls[index].resourceId, true);
        }
    }
}

void Tvx_DlgDesignerData::readProps(const int& index) {
    Tvx_DesignerControl* control = getControlWrite(index);
    if (control == nullptr || m_dialog == nullptr) {
        return;
    }
    const int type = m_dialog->listIndex(m_typeFieldId);
    if (isValidControlType(type)) {
        control->type = type;
    }
    control->contents = m_dialog->itemText(m_contentsFieldId);
    control->setSplitExtComboList(m_dialog->itemText(m_listFieldId));
}

bool Tvx_DlgDesignerData::propsOfCurSelUpdated() {
    if (!m_tracker || m_updatingProperties || !m_designMode) {
        return false;
    }
    const int index = getCurSel();
    if (index < 0) {
        return false;
    }
    const Tvx_DesignerControl before = m_controls[index];
    readProps(index);
    const Tvx_DesignerControl& after = m_controls[index];
    if (after.contents != before.contents) {
        if (Tvx_ControlWindow* window = getDrawnControl(index)) {
            window->setText(after.contents);
        }
        if (m_dialog != nullptr) {
            m_dialog->repaint();
        }
    }
    // The list feeds the window too (combo items, a check box's initial value).
    if (after.type != before.type ||
        after.getMergedExtComboList() != before.getMergedExtComboList()) {
        const int id = after.resourceId;
        getSizeFromAllControls();
        redrawAllControls();
        m_tracker->select(id, true);
        if (after.type != before.type) {
            updateProps(index);  // the labels and the list field follow the new type
        }
    }
    return !(after == before);
}
