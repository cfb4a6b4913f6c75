// ModuleDialogsTest.cpp - the module's dialogs as a host shows them: the module is loaded with
// dlopen, started and given its Qt services through its exports, and then a user's action in a
// grid must reach the user: "Insert column" in the grid's context menu asks for the caption in the
// Qt prompt dialog, and the new column's header shows the answer.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The module stays loaded for the program's life, as in the studio: its Qt classes must outlive
// every widget and event the test makes.
void* module() {
    static void* const handle = dlopen(OVSS_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    return handle;
}

template <class Function>
Function exported(const char* name) {
    return reinterpret_cast<Function>(dlsym(module(), name));
}

QWidget* visibleTopLevel(const char* className) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->inherits(className)) {
            return widget;
        }
    }
    return nullptr;
}

void sendClick(QWidget* target, const QPoint& at, Qt::MouseButton button) {
    const QPoint global = target->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

fs::path screenshotFolder() {
    // <build>/lib/libovss.so -> <build>/screenshots
    return fs::path(OVSS_MODULE_PATH).parent_path().parent_path() / "screenshots";
}

// What the user saw and did, recorded inside the nested dialogs and checked afterwards.
struct Session {
    bool gridShown = false;
    QStringList menuTexts;
    bool promptShown = false;
    QString promptTitle;
    QString promptText;
    QString okText;
    int columnsBefore = 0;
    int columnsAfter = 0;
    QString newHeader;
    QString nextHeader;
};

// Answers the prompt dialog, once it is up, with `caption`.
void answerPromptWith(Session& session, const QString& caption) {
    QTimer::singleShot(0, [&session, caption] {
        QWidget* prompt = visibleTopLevel("ovui::PromptDialog");
        if (prompt == nullptr) {
            return;
        }
        session.promptShown = true;
        session.promptTitle = prompt->windowTitle();
        if (auto* label = prompt->findChild<QLabel*>()) {
            session.promptText = label->text();
        }
        for (auto* button : prompt->findChildren<QPushButton*>()) {
            if (button->isDefault()) {
                session.okText = button->text();
            }
        }
        std::error_code ec;
        fs::create_directories(screenshotFolder(), ec);
        prompt->grab().save(
            QString::fromStdString((screenshotFolder() / "HostInsertColumnPrompt.png").string()));
        prompt->findChild<QLineEdit*>()->setText(caption);
        QMetaObject::invokeMethod(prompt, "accept");
    });
}

// Chooses the popup's item `text`, once the popup is up, after scheduling the prompt's answer.
void chooseFromPopup(Session& session, const QString& text, const QString& caption) {
    QTimer::singleShot(0, [&session, text, caption] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (popup == nullptr) {
            return;
        }
        QAction* chosen = nullptr;
        for (QAction* action : popup->actions()) {
            session.menuTexts.append(action->text());
            if (action->text() == text) {
                chosen = action;
            }
        }
        popup->close();
        if (chosen != nullptr) {
            answerPromptWith(session, caption);
            chosen->trigger();
        }
    });
}

class ModuleDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        // Dialog sizes are remembered in the registry: keep this run's out of the user's file.
        registry_ = fs::temp_directory_path() / ("ovss-host-" + std::to_string(::getpid()));
        fs::create_directories(registry_);
        ::setenv("OVSS_REGISTRY", (registry_ / "registry.json").c_str(), 1);
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        ASSERT_NE(module(), nullptr) << dlerror();
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        std::error_code ec;
        fs::remove_all(registry_, ec);
    }

  private:
    fs::path registry_;
    int argc_ = 1;
    char name_[11] = "host_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

TEST_F(ModuleDialogs, InsertColumnAsksForTheCaptionInTheQtPromptDialog) {
    using Start = void (*)();
    using EntryPoint = int (*)(int, void*);
    using ShowGrid = bool (*)();
    const auto startEngine = exported<Start>("ovssStartEngine");
    const auto installQtServices = exported<Start>("ovssInstallQtServices");
    const auto entryPoint = exported<EntryPoint>("acrxEntryPoint");
    const auto showMenuGrid = exported<ShowGrid>("ovssShowMenuGrid");
    ASSERT_NE(startEngine, nullptr);
    ASSERT_NE(installQtServices, nullptr);
    ASSERT_NE(entryPoint, nullptr);
    ASSERT_NE(showMenuGrid, nullptr);

    // As the studio does: the engine, the dialog library's services, the initialisation message.
    startEngine();
    installQtServices();
    int appId = 0;
    ASSERT_EQ(entryPoint(1, &appId), 0);

    Session session;
    QTimer::singleShot(0, [&session] {
        QWidget* dialog = visibleTopLevel("OvMenuGridDialog");
        if (dialog == nullptr) {
            return;
        }
        session.gridShown = true;
        auto* view = dialog->findChild<QTableView*>();
        QAbstractItemModel* model = view->model();
        session.columnsBefore = model->columnCount();
        // The user clicks into the second column, then opens the menu there.
        const QPoint at = view->visualRect(model->index(0, 1)).center();
        sendClick(view->viewport(), at, Qt::LeftButton);
        chooseFromPopup(session, QStringLiteral("Insert column"), QStringLiteral("Weight"));
        sendClick(view->viewport(), at, Qt::RightButton);
        session.columnsAfter = model->columnCount();
        session.newHeader = model->headerData(1, Qt::Horizontal).toString();
        session.nextHeader = model->headerData(2, Qt::Horizontal).toString();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_TRUE(showMenuGrid());

    ASSERT_TRUE(session.gridShown);
    EXPECT_TRUE(session.menuTexts.contains(QStringLiteral("Insert column")))
        << session.menuTexts.join(u'|').toStdString();
    ASSERT_TRUE(session.promptShown) << "Insert column did not ask for the caption";
    EXPECT_EQ(session.promptTitle.toStdString(), "Name");
    EXPECT_TRUE(session.promptText.endsWith(QStringLiteral("column:")))
        << session.promptText.toStdString();
    EXPECT_EQ(session.okText.toStdString(), "Ok");
    EXPECT_EQ(session.columnsAfter, session.columnsBefore + 1);
    EXPECT_EQ(session.newHeader.toStdString(), "Weight");
    EXPECT_NE(session.nextHeader.toStdString(), "Weight");  // the old second column moved right
}

}  // namespace
