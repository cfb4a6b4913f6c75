// Tvx_DlgDesignerDataFile.cpp - reading and writing a designer template: a properties file with
// "nrOfControls" followed by the seven keys of each control, and its picture beside it.
#include <cmath>

#include "core/FileSystem.h"
#include "core/Paths.h"
#include "core/Tvx_PropertiesList.h"
#include "designer/DesignerTemplates.h"
#include "designer/Tvx_DlgDesignerData.h"

namespace {

const wchar_t* const kCountKey = L"nrOfControls";
const wchar_t* const kPictureExtension = L"bmp";
// Far beyond any drawn dialog; bounds the work a damaged count can cause.
constexpr int kMaxControls = 10000;

bool hasFiniteRectangle(const Tvx_DesignerControl& control) {
    return std::isfinite(control.topLeftX) && std::isfinite(control.topLeftY) &&
           std::isfinite(control.bottomRightX) && std::isfinite(control.bottomRightY);
}

}  // namespace

bool Tvx_DlgDesignerData::readFromFile(const Tvx_String& path, bool withBitmap) {
    if (!fileExists(path)) {
        m_lastError = L"the template does not exist: " + path;
        return false;
    }
    Tvx_String name;
    if (!getNameFromFile(path, name)) {
        m_lastError = L"the template lies outside the designer folder " + getDesignerRootFolder() +
                      L": " + path;
        return false;
    }
    Tvx_PropertiesList list;
    if (!list.readFromFile(path)) {
        m_lastError = L"the file is not a designer template: " + path;
        return false;
    }
    int count = 0;
    list.getProperty(kCountKey, count);
    if (count < 0 || count > kMaxControls) {
        m_lastError = L"the template has an impossible number of controls (" +
                      Tvx_String::fromInt(count) + L"): " + path;
        return false;
    }
    // Everything is checked before the model changes, so a damaged file leaves it as it was.
    Tvx_Array<Tvx_DesignerControl> controls;
    for (int i = 0; i < count; ++i) {
        Tvx_DesignerControl control;
        control.getFromPropList(list, i);
        if (!isValidControlType(control.type) || !hasFiniteRectangle(control)) {
            m_lastError = L"control " + Tvx_String::fromInt(i) + L" of the template is damaged (" +
                          L"type " + Tvx_String::fromInt(control.type) + L"): " + path;
            return false;
        }
        controls.append(control);
    }

    m_templateName = name;
    m_controls.removeAll();
    for (Tvx_DesignerControl& control : controls) {
        append(control);  // identifiers in file order: the same template always gets the same ids
    }
    if (withBitmap) {
        // A template without a picture must not keep the previous template's.
        detachBitmap();
        attachBitmap(changeExtension(path, kPictureExtension));
    }
    m_lastError.empty();
    return true;
}

bool Tvx_DlgDesignerData::writeToFile(const Tvx_String& path) {
    Tvx_String newName;
    if (!getNameFromFile(path, newName)) {
        m_lastError = L"templates are saved below the designer folder " + getDesignerRootFolder() +
                      L", not at " + path;
        return false;
    }
    const Tvx_String oldName = m_templateName;
    m_templateName = newName;

    // A template saved under a new name takes its picture along.
    const Tvx_String newPicture = changeExtension(path, kPictureExtension);
    if (!oldName.isEmpty() && oldName != newName) {
        const Tvx_String oldPicture = getDesignerRootFolder() + oldName + L"." + kPictureExtension;
        createFolder(getFolder(newPicture));
        copyFile(oldPicture, newPicture, true);  // a missing old picture is no reason to fail
    }

    // Controls moved on screen are saved where they are now.
    getSizeFromAllControls();
    Tvx_PropertiesList list;
    list.setProperty(kCountKey, m_controls.length());
    for (int i = 0; i < m_controls.length(); ++i) {
        m_controls[i].setToPropList(list, i);
    }
    createFolder(getFolder(path));
    if (!list.writeToFile(path)) {
        m_templateName = oldName;
        m_lastError = L"cannot write the template " + path;
        return false;
    }
    m_lastError.empty();
    return true;
}
