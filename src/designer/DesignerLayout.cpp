// DesignerLayout.cpp - pixels and fractions, and the layout operations of the designer: add,
// remove, copy, size, align bottoms, place to the right, and reading rectangles back from the
// windows.
#include "core/Texts.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

constexpr double kNewLeft = 0.2;  // a new control's corner, as fractions of the picture
constexpr double kNewTop = 0.2;
constexpr double kNewWidth = 30.0;  // pixels
constexpr double kNewHeight = 18.0;
constexpr int kNewContentsText = 171;
constexpr double kCopyOffset = 20.0;  // pixels right and down
constexpr double kLeftBound = 100000.0;
// The size prompt: title, prompt and initial value for a width and for a height.
constexpr int kWidthTitle = 90;
constexpr int kWidthPrompt = 825;
// 744 is the wall or plate thickness of the built-in shapes, so the height has a text of its own.
constexpr int kHeightTitle = 9414;
constexpr int kHeightPrompt = 826;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;

}  // namespace

double Tvx_DlgDesignerData::pixelsToFactor(bool horizontal, double pixels) const {
    return pixels / static_cast<double>(horizontal ? imageWidth() : imageHeight());
}

double Tvx_DlgDesignerData::factorToPixels(bool horizontal, double factor) const {
    return factor * static_cast<double>(horizontal ? imageWidth() : imageHeight());
}

double Tvx_DlgDesignerData::getTopLeftX(const Tvx_DesignerControl& c) const {
    return factorToPixels(true, c.topLeftX);
}
double Tvx_DlgDesignerData::getTopLeftY(const Tvx_DesignerControl& c) const {
    return factorToPixels(false, c.topLeftY);
}
double Tvx_DlgDesignerData::getBottomRightX(const Tvx_DesignerControl& c) const {
    return factorToPixels(true, c.bottomRightX);
}
double Tvx_DlgDesignerData::getBottomRightY(const Tvx_DesignerControl& c) const {
    return factorToPixels(false, c.bottomRightY);
}
void Tvx_DlgDesignerData::setTopLeftX(Tvx_DesignerControl& c, double pixels) const {
    c.topLeftX = pixelsToFactor(true, pixels);
}
void Tvx_DlgDesignerData::setTopLeftY(Tvx_DesignerControl& c, double pixels) const {
    c.topLeftY = pixelsToFactor(false, pixels);
}
void Tvx_DlgDesignerData::setBottomRightX(Tvx_DesignerControl& c, double pixels) const {
    c.bottomRightX = pixelsToFactor(true, pixels);
}
void Tvx_DlgDesignerData::setBottomRightY(Tvx_DesignerControl& c, double pixels) const {
    c.bottomRightY = pixelsToFactor(false, pixels);
}
double Tvx_DlgDesignerData::getWidth(const Tvx_DesignerControl& c) const {
    return getBottomRightX(c) - getTopLeftX(c);
}
double Tvx_DlgDesignerData::getHeight(const Tvx_DesignerControl& c) const {
    return getBottomRightY(c) - getTopLeftY(c);
}
void Tvx_DlgDesignerData::setWidth(Tvx_DesignerControl& c, double pixels) const {
    setBottomRightX(c, getTopLeftX(c) + pixels);
}
void Tvx_DlgDesignerData::setHeight(Tvx_DesignerControl& c, double pixels) const {
    setTopLeftY(c, getBottomRightY(c) - pixels);
}

bool Tvx_DlgDesignerData::addNewControl(Tvx_ControlType type) {
    // Fractions need a picture to be measured against.
    if (imageWidth() == 0 || imageHeight() == 0) {
        return false;
    }
    Tvx_DesignerControl control;
    control.type = type;
    control.contents = dialString(kNewContentsText);
    control.topLeftX = kNewLeft;
    control.topLeftY = kNewTop;
    control.bottomRightX = kNewLeft + kNewWidth / imageWidth();
    control.bottomRightY = kNewTop + kNewHeight / imageHeight();
    append(control);
    drawControl(control);
    return true;
}

Tvx_Array<int> Tvx_DlgDesignerData::getSelectedIds() const {
    Tvx_Array<int> ids;
    if (m_tracker) {
        for (int id : m_tracker->selectedIds()) {
            ids.append(id);
        }
    }
    return ids;
}

bool Tvx_DlgDesignerData::removeCurControls() {
    if (!m_tracker) {
        return false;
    }
    for (int id : getSelectedIds()) {
        removeDrawnCtrlOnly(id);
        int index = -1;
        if (findCtrlFromResource(id, index)) {
            removeControl(index);
        }
    }
    return true;
}

void Tvx_DlgDesignerData::copyCurCtrls() {
    const Tvx_Array<int> selected = getSelectedIds();
    if (selected.isEmpty() || imageWidth() == 0 || imageHeight() == 0) {
        return;
    }
    getSizeFromAllControls();
    Tvx_Array<int> copies;
    for (int id : selected) {
        const Tvx_DesignerControl* original = getControlFromRes(id);
        if (original == nullptr) {
            continue;
        }
        Tvx_DesignerControl copy = *original;
        setTopLeftX(copy, getTopLeftX(copy) + kCopyOffset);
        setBottomRightX(copy, getBottomRightX(copy) + kCopyOffset);
        setTopLeftY(copy, getTopLeftY(copy) + kCopyOffset);
        setBottomRightY(copy, getBottomRightY(copy) + kCopyOffset);
        const int newId = append(copy);
        drawControl(copy);
        copies.append(newId);
    }
    redrawAllControls();
    selectCtrls(copies);
}

void Tvx_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    Tvx_DesignerControl* control = getControlWrite(index);
    if (control == nullptr) {
        return;
    }
    if (horizontal) {
        setBottomRightX(*control, getTopLeftX(*control) + pixels);
    } else {
        setBottomRightY(*control, getTopLeftY(*control) + pixels);
    }
}

void Tvx_DlgDesignerData::changeCtrlSize(bool horizontal) {
    const Tvx_Array<int> selected = getSelectedIds();
    if (selected.isEmpty() || m_dialog == nullptr || imageWidth() == 0 || imageHeight() == 0) {
        return;
    }
    getSizeFromAllControls();
    Tvx_String value;
    if (!m_dialog->promptString(dialString(horizontal ? kWidthTitle : kHeightTitle),
                                dialString(horizontal ? kWidthPrompt : kHeightPrompt),
                                horizontal ? L"30" : L"18", dialString(kOkText),
                                dialString(kCancelText), value)) {
        return;
    }
    const double pixels = value.toDouble();
    for (int id : selected) {
        int index = -1;
        if (findCtrlFromResource(id, index)) {
            changeCtrlSize(index, horizontal, pixels);
        }
    }
    redrawAllControls();
    selectCtrls(selected);
}

bool Tvx_DlgDesignerData::findMostLeftCtrl(const Tvx_Array<int>& ids, int& index) const {
    double bound = kLeftBound;
    bool found = false;
    for (int id : ids) {
        int candidate = -1;
        if (!findCtrlFromResource(id, candidate)) {
            continue;
        }
        const double left = getTopLeftX(m_controls[candidate]);
        if (left < bound) {
            bound = left;
            index = candidate;
            found = true;
        }
    }
    return found;
}

bool Tvx_DlgDesignerData::outlineCurCtrls() {
    const Tvx_Array<int> selected = getSelectedIds();
    if (selected.isEmpty() || imageWidth() == 0 || imageHeight() == 0) {
        return false;
    }
    getSizeFromAllControls();
    int reference = -1;
    if (!findMostLeftCtrl(selected, reference)) {
        return false;
    }
    const double bottom = getBottomRightY(m_controls[reference]);
    for (int id : selected) {
        int index = -1;
        if (!findCtrlFromResource(id, index) || index == reference) {
            continue;
        }
        Tvx_DesignerControl& control = m_controls[index];
        const double height = getHeight(control);
        setBottomRightY(control, bottom);
        setTopLeftY(control, bottom - height);
    }
    redrawAllControls();
    selectCtrls(selected);
    return true;
}

bool Tvx_DlgDesignerData::stickRightCurCtrls() {
    const Tvx_Array<int> selected = getSelectedIds();
    if (selected.length() != 2 || imageWidth() == 0 || imageHeight() == 0) {
        return false;
    }
    getSizeFromAllControls();
    int reference = -1;
    if (!findMostLeftCtrl(selected, reference)) {
        return false;
    }
    int other = -1;
    for (int id : selected) {
        int index = -1;
        if (findCtrlFromResource(id, index) && index != reference) {
            other = index;
        }
    }
    if (other < 0) {
        return false;
    }
    const Tvx_DesignerControl ref = m_controls[reference];
    Tvx_DesignerControl& control = m_controls[other];
    const double width = getWidth(control);
    setTopLeftY(control, getBottomRightY(ref) - getHeight(ref));
    setTopLeftX(control, getBottomRightX(ref));
    setBottomRightY(control, getBottomRightY(ref));
    setBottomRightX(control, getBottomRightX(ref) + width);
    redrawAllControls();
    selectCtrls(selected);
    return true;
}

void Tvx_DlgDesignerData::selectCtrls(const Tvx_Array<int>& ids) {
    if (!m_tracker) {
        return;
    }
    m_tracker->clear();
    for (int id : ids) {
        m_tracker->select(id, false);
    }
    if (m_dialog != nullptr) {
        m_dialog->repaint();
    }
}

void Tvx_DlgDesignerData::moveCurCtrls(int dx, int dy) {
    for (int id : getSelectedIds()) {
        if (Tvx_ControlWindow* window = getCtrlPtr(id)) {
            window->setRect(window->rect().translated(dx, dy));
        }
    }
    if (m_dialog != nullptr) {
        m_dialog->repaint();
    }
}

bool Tvx_DlgDesignerData::getSizeFromControl(const int& index) {
    if (m_dialog == nullptr || getNrControls() != getNrDrawnControls() ||
        !m_controls.isValid(index) || imageWidth() == 0 || imageHeight() == 0) {
        return false;
    }
    Tvx_DesignerControl& control = m_controls[index];
    const DesignerRect rect = m_drawn[static_cast<std::size_t>(index)]->rect();
    if (rect == windowSpec(control).rect) {
        return true;  // not moved: the stored fractions stay exact
    }
    control.topLeftX = pixelsToFactor(true, rect.left);
    control.topLeftY = pixelsToFactor(false, rect.top);
    control.bottomRightX = pixelsToFactor(true, rect.right);
    control.bottomRightY = pixelsToFactor(false, rect.bottom);
    return true;
}

void Tvx_DlgDesignerData::getSizeFromAllControls() {
    for (int i = 0; i < getNrControls(); ++i) {
        getSizeFromControl(i);
    }
}
