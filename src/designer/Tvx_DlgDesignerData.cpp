// Tvx_DlgDesignerData.cpp - the control list, the identifier pool and the attached picture.
#include "designer/Tvx_DlgDesignerData.h"

#include <set>

#include "core/FileSystem.h"
#include "core/image/ImageSize.h"

Tvx_DlgDesignerData::Tvx_DlgDesignerData(const Tvx_DlgDesignerData& other) {
    copyModelFrom(other);
}

Tvx_DlgDesignerData& Tvx_DlgDesignerData::operator=(const Tvx_DlgDesignerData& other) {
    if (this != &other) {
        copyModelFrom(other);
    }
    return *this;
}

void Tvx_DlgDesignerData::copyModelFrom(const Tvx_DlgDesignerData& other) {
    // The window state stays with its dialog; only the model travels.
    m_picturePath = other.m_picturePath;
    m_imageWidth = other.m_imageWidth;
    m_imageHeight = other.m_imageHeight;
    m_firstId = other.m_firstId;
    m_lastId = other.m_lastId;
    m_templateName = other.m_templateName;
    m_controls = other.m_controls;
    m_lastError = other.m_lastError;
}

void Tvx_DlgDesignerData::setIdRange(int firstId, int lastId) {
    m_firstId = firstId;
    m_lastId = lastId;
}

int Tvx_DlgDesignerData::append(Tvx_DesignerControl& control) {
    std::set<int> taken;
    for (const Tvx_DesignerControl& existing : m_controls) {
        taken.insert(existing.resourceId);
    }
    int id = 0;
    // Widened so that a range ending at INT_MAX cannot overflow the loop.
    for (long long candidate = m_firstId; candidate <= m_lastId; ++candidate) {
        if (!taken.contains(static_cast<int>(candidate))) {
            id = static_cast<int>(candidate);
            break;
        }
    }
    control.resourceId = id;
    m_controls.append(control);
    return id;
}

const Tvx_DesignerControl* Tvx_DlgDesignerData::getControl(const int& index) const {
    return m_controls.isValid(index) ? &m_controls[index] : nullptr;
}

Tvx_DesignerControl* Tvx_DlgDesignerData::getControlWrite(const int& index) {
    return m_controls.isValid(index) ? &m_controls[index] : nullptr;
}

bool Tvx_DlgDesignerData::removeControl(const int& index) {
    return m_controls.removeAt(index);
}

const Tvx_DesignerControl* Tvx_DlgDesignerData::getControlFromRes(const int& id) const {
    int index = -1;
    return findCtrlFromResource(id, index) ? &m_controls[index] : nullptr;
}

bool Tvx_DlgDesignerData::findCtrlFromResource(const int& id, int& index) const {
    if (id <= 0) {
        return false;
    }
    for (int i = 0; i < m_controls.length(); ++i) {
        if (m_controls[i].resourceId == id) {
            index = i;
            return true;
        }
    }
    return false;
}

void Tvx_DlgDesignerData::getAllCtrlNames(Tvx_StringArray& names) const {
    for (const Tvx_DesignerControl& control : m_controls) {
        if (control.type == DesignerType::kVariableEdit) {
            names.append(control.contents);
        }
    }
}

void Tvx_DlgDesignerData::attachBitmap(const Tvx_String& path) {
    if (!fileExists(path)) {
        return;
    }
    m_imageWidth = 0;
    m_imageHeight = 0;
    m_picturePath.empty();
    ImageSize size;
    Tvx_String error;
    if (!readImageSize(path, size, error)) {
        m_lastError = error;
        return;
    }
    m_picturePath = path;
    m_imageWidth = size.width;
    m_imageHeight = size.height;
}

void Tvx_DlgDesignerData::detachBitmap() {
    m_picturePath.empty();
    m_imageWidth = 0;
    m_imageHeight = 0;
}

void Tvx_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = m_initialized ? static_cast<int>(m_imageWidth) : 0;
    height = m_initialized ? static_cast<int>(m_imageHeight) : 0;
}
