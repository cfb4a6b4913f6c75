// MacroDlgFixture.h - macro dialog tests run on the bundled library (its sample drawing,
// templates, standards and texts), with message boxes and the host's command line recorded.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <memory>

#include "core/MessageService.h"
#include "core/Texts.h"
#include "core/Tvx_Settings.h"
#include "core/macro/BaseProfilesTab.h"
#include "core/macro/Tvx_Drawing.h"
#include "host/HostServices.h"
#include "ui/UiTestSupport.h"

class MacroDlgFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        uitest::resetDialogState();
        libDir_ = gSettings.libDir;
        appDir_ = gSettings.tvxDir;
        const Tvx_String bundled =
            Tvx_Settings::normalizeFolder(Tvx_String::fromUtf8(OVSS_SOURCE_DIR "/library/"));
        gSettings.libDir = bundled;
        gSettings.tvxDir = bundled;
        reloadTexts();
        Tvx_String error;
        ASSERT_TRUE(drawing.loadFromFile(bundled + L"Drawings\\sample.json", error)) << error;
    }
    void TearDown() override {
        gSettings.libDir = libDir_;
        gSettings.tvxDir = appDir_;
        reloadTexts();
    }

    Tvx_DbMacro* macroNamed(const wchar_t* name) {
        for (const auto& dbMacro : drawing.macros()) {
            if (dbMacro->macro() != nullptr && dbMacro->macro()->name() == name) {
                return dbMacro.get();
            }
        }
        return nullptr;
    }
    MacroData recordOf(const wchar_t* name) {
        MacroData data;
        EXPECT_EQ(buildDialogMacroData(macroNamed(name), data), Acad::eOk);
        return data;
    }
    double variable(const wchar_t* macro, const wchar_t* module, const wchar_t* name) {
        const Tvx_Module* found = macroNamed(macro)->macro()->findModule(module);
        const Tvx_DialogVariable* variable = found ? found->findVariable(name) : nullptr;
        return variable ? variable->value : -1.0;
    }
    const Tvx_BoltPattern* boltPattern(const wchar_t* name) {
        for (const auto& dbMacro : drawing.macros()) {
            const Tvx_Macro* macro = dbMacro->macro();
            const auto* bolts =
                macro != nullptr ? dynamic_cast<const Tvx_BoltModule*>(macro->findModule(L"Bolts"))
                                 : nullptr;
            for (int i = 0; bolts != nullptr && i < bolts->patterns().length(); ++i) {
                if (bolts->patterns()[i].name == name) {
                    return &bolts->patterns()[i];
                }
            }
        }
        return nullptr;
    }
    // Runs the event loop for `ms` milliseconds (timers fire, deferred deletes run).
    static void processFor(int ms) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Runs the event loop until `done` holds or `ms` milliseconds passed; whether it holds.
    template <class Predicate>
    static bool processUntil(Predicate done, int ms) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < ms) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return done();
    }
    // Saves the widget under `name` in the screenshot folder.
    static void screenshot(QWidget& widget, const char* name) {
        std::filesystem::create_directories(uitest::screenshotFolder());
        widget.grab().save(QString::fromStdString((uitest::screenshotFolder() / name).string()));
    }

    Tvx_Drawing drawing;
    MessageRecorder messages;
    HostRecorder host;

  private:
    Tvx_String libDir_;
    Tvx_String appDir_;
};
