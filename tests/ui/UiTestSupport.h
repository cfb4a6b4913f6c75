// UiTestSupport.h - what every dialog test shares: one offscreen QApplication for the program,
// temporary library and application folders with a small text table, a private registry file,
// unattended dialog driving and the screenshot folder.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "core/Tvx_String.h"

class OvDialog;
class QWidget;

namespace uitest {

// The temporary library folder (application path form, trailing "\\").
Tvx_String libFolder();
// A file in the library folder.
Tvx_String libFile(const wchar_t* name);
// Writes a small picture file of `width` x `height` into the library folder; returns its path.
Tvx_String writePicture(const wchar_t* name, int width, int height);

// Saves the widget as <build>/screenshots/<className>.png; returns the path written.
QString saveScreenshot(QWidget& widget);
std::filesystem::path screenshotFolder();

// Queues `action` for the next modal dialog, after saving a screenshot of it as it opened.
void drive(std::function<void(OvDialog&)> action);

// Forgets remembered dialog sizes and scripted actions between tests.
void resetDialogState();

}  // namespace uitest
