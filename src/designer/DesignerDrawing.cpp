// DesignerDrawing.cpp - binding a designed dialog to its window and drawing one window per
// control: the pixel rectangle, the run-time adjustments, the styles by kind and the contents.
#include <cmath>

#include "core/NumberHelpers.h"
#include "core/Texts.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

// The run-time height of a combo, its drop-down list included.
constexpr int kRunTimeComboHeight = 200;
// A standard field's height at font scale 1; multi-line edits grow with the scale up to twice it.
constexpr double kFieldHeight = 18.0;
// Texts of the index combo's fixed items, then the undefined text.
constexpr int kIndexComboTexts[] = {1395, 1396, 1397, 1398};
constexpr int kUndefinedText = 695;

int roundPixel(double value) {
    const double rounded = ObjectExportRoundTo(value, 1.0);
    // Damaged fractions must not overflow the conversion.
    if (!std::isfinite(rounded) || std::fabs(rounded) > 1e7) {
        return 0;
    }
    return static_cast<int>(rounded);
}

}  // namespace

Tvx_DlgDesignerData::~Tvx_DlgDesignerData() {
    // The windows go before the selection that knows them.
    m_drawn.clear();
    m_tracker.reset();
}

bool Tvx_DlgDesignerData::initialize(Tvx_DesignerDialog* dialog, int firstId, int lastId,
                                     int typeFieldId, int contentsLabelId, int contentsFieldId,
                                     int listLabelId, int listFieldId, bool designMode) {
    if (dialog == nullptr) {
        return false;
    }
    m_dialog = dialog;
    setIdRange(firstId, lastId);
    renumberControls();
    m_designMode = designMode;
    m_initialized = true;
    if (!designMode) {
        return true;
    }
    if (!m_tracker) {
        m_tracker = std::make_unique<Tvx_ControlSelection>();
    }
    m_typeFieldId = typeFieldId;
    m_contentsLabelId = contentsLabelId;
    m_contentsFieldId = contentsFieldId;
    m_listLabelId = listLabelId;
    m_listFieldId = listFieldId;
    Tvx_StringArray typeTexts;
    for (Tvx_ControlType type = 0; type < DesignerType::kCount; ++type) {
        typeTexts.append(getControlTypeText(type));
    }
    m_dialog->fillList(m_typeFieldId, typeTexts);
    updatePropsOfCurSel();
    return true;
}

void Tvx_DlgDesignerData::renumberControls() {
    bool allInRange = true;
    for (const Tvx_DesignerControl& control : m_controls) {
        allInRange = allInRange && control.resourceId >= getFirstId() &&
                     control.resourceId <= getLastId() && control.resourceId != 0;
    }
    if (allInRange) {
        return;
    }
    // A template read before the dialog gave its range: the same ids as reading it now.
    Tvx_Array<Tvx_DesignerControl> controls = m_controls;
    m_controls.removeAll();
    for (Tvx_DesignerControl& control : controls) {
        control.resourceId = 0;
        append(control);
    }
}

Tvx_ControlWindow* Tvx_DlgDesignerData::getDrawnControl(int index) const {
    return index >= 0 && index < getNrDrawnControls()
               ? m_drawn[static_cast<std::size_t>(index)].get()
               : nullptr;
}

int Tvx_DlgDesignerData::drawnIndexOf(int id) const {
    if (id <= 0) {
        return -1;
    }
    for (int i = 0; i < getNrDrawnControls(); ++i) {
        if (m_drawn[static_cast<std::size_t>(i)]->id() == id) {
            return i;
        }
    }
    return -1;
}

Tvx_ControlWindow* Tvx_DlgDesignerData::getCtrlPtr(int id) const {
    return getDrawnControl(drawnIndexOf(id));
}

DesignerRect Tvx_DlgDesignerData::pixelRect(const Tvx_DesignerControl& control) const {
    return {roundPixel(imageWidth() * control.topLeftX),
            roundPixel(imageHeight() * control.topLeftY),
            roundPixel(imageWidth() * control.bottomRightX),
            roundPixel(imageHeight() * control.bottomRightY)};
}

ControlWindowDescription Tvx_DlgDesignerData::windowSpec(const Tvx_DesignerControl& control) const {
    ControlWindowDescription description;
    description.id = control.resourceId;
    description.type = control.type;
    description.kind = getControlKind(control.type);
    description.rect = pixelRect(control);
    description.text = control.contents;
    description.designMode = m_designMode;
    description.multiLine =
        control.type == DesignerType::kBoltCount1 || control.type == DesignerType::kBoltCount2;
    description.editableCombo = control.type == DesignerType::kVariableCombo || control.type == 16;
    description.groupBox = control.type == DesignerType::kGroupBox;
    description.checkBox = control.type == DesignerType::kCheckBox;
    description.flexButton = control.type == DesignerType::kFlexButton;
    // Design mode leaves every control but the labels disabled: the designer takes the clicks.
    description.enabled =
        !control.disabled && (!m_designMode || description.kind == Tvx_ControlKind::Static);

    if (!m_designMode) {
        if (description.kind == Tvx_ControlKind::Combobox &&
            description.rect.height() < kRunTimeComboHeight) {
            description.fieldHeight = description.rect.height();
            description.rect.bottom = description.rect.top + kRunTimeComboHeight;
        }
        if (description.multiLine) {
            const int designed = description.rect.height();
            const double extra = kFieldHeight * m_fontScale - kFieldHeight;
            const int grown =
                static_cast<int>(std::ceil(designed + (extra > 0.0 ? extra / 1.6 : 0.0)));
            if (grown < 2 * kFieldHeight && grown > designed) {
                description.rect.bottom = description.rect.top + grown;
            }
        }
    }
    return description;
}

Tvx_StringArray Tvx_DlgDesignerData::comboItems(const Tvx_DesignerControl& control) const {
    Tvx_StringArray items;
    if (control.type == DesignerType::kIndexCombo) {
        for (int number : kIndexComboTexts) {
            items.append(dialString(number));
        }
        items.append(dialString(kUndefinedText));
        return items;
    }
    if (!control.items.isEmpty()) {
        return control.items;
    }
    control.getComboItemsFromFile(items);
    return items;
}

bool Tvx_DlgDesignerData::drawControl(const Tvx_DesignerControl& control) {
    if (!m_initialized || m_dialog == nullptr) {
        return false;
    }
    const ControlWindowDescription description = windowSpec(control);
    std::unique_ptr<Tvx_ControlWindow> window = m_dialog->createControlWindow(description);
    if (!window) {
        return false;
    }
    Tvx_ControlWindow* drawn = window.get();
    m_drawn.push_back(std::move(window));
    if (m_tracker) {
        m_tracker->registerControl(description.id);
    }

    if (description.kind == Tvx_ControlKind::Combobox) {
        const Tvx_StringArray items = comboItems(control);
        drawn->setItems(items);
        if (control.type == DesignerType::kIndexCombo) {
            drawn->setSelectedIndex(control.contents.toInt());
        } else {
            const int match = items.find(control.contents, false);
            if (match >= 0) {
                drawn->setSelectedIndex(match);
            } else {
                drawn->setText(control.contents);
            }
        }
    } else if (control.type == DesignerType::kCheckBox) {
        setCtrlValue(description.id, control.comboList);
    }
    return true;
}

void Tvx_DlgDesignerData::removeAllDrawnCtrls() {
    // Both modes: a second run-time drawing must not leave the first windows behind.
    if (m_tracker) {
        m_tracker->unregisterAll();
    }
    m_drawn.clear();
}

bool Tvx_DlgDesignerData::removeDrawnCtrlOnly(const int& id) {
    const int index = drawnIndexOf(id);
    if (index < 0) {
        return false;
    }
    if (m_tracker) {
        m_tracker->unregisterControl(id);
    }
    m_drawn.erase(m_drawn.begin() + index);
    return true;
}

void Tvx_DlgDesignerData::redrawAllControls() {
    if (m_designMode) {
        if (m_tracker) {
            m_tracker->clear();
        }
    } else {
        sortAllControls();
    }
    removeAllDrawnCtrls();
    for (const Tvx_DesignerControl& control : m_controls) {
        drawControl(control);
    }
    if (m_dialog != nullptr) {
        m_dialog->repaint();
    }
}
