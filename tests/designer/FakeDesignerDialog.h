// FakeDesignerDialog.h - a dialog without a display for the layout operations: it records the
// windows it creates, the property fields and the prompts, and answers scripted prompts.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "designer/DesignerWindows.h"

class FakeDesignerDialog;

class FakeControlWindow : public Tvx_ControlWindow {
  public:
    FakeControlWindow(FakeDesignerDialog& dialog, const ControlWindowDescription& description)
        : dialog_(dialog),
          description(description),
          rect_(description.rect),
          text_(description.text),
          enabled_(description.enabled) {}
    ~FakeControlWindow() override;

    int id() const override { return description.id; }
    DesignerRect rect() const override { return rect_; }
    void setRect(const DesignerRect& rect) override { rect_ = rect; }
    Tvx_String text() const override { return text_; }
    void setText(const Tvx_String& text) override { text_ = text; }
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isVisible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    void setFocus() override;
    int checkState() const override { return checkState_; }
    void setCheckState(int state, bool threeState) override {
        checkState_ = state;
        threeState_ = threeState;
    }
    void setItems(const Tvx_StringArray& items) override { items_ = items; }
    int itemCount() const override { return items_.length(); }
    Tvx_String itemText(int index) const override {
        return items_.isValid(index) ? items_[index] : Tvx_String();
    }
    int selectedIndex() const override { return selected_; }
    void setSelectedIndex(int index) override {
        selected_ = items_.isValid(index) ? index : -1;
        if (selected_ >= 0) {
            text_ = items_[selected_];
        }
    }

    bool threeState() const { return threeState_; }
    const Tvx_StringArray& items() const { return items_; }

    FakeDesignerDialog& dialog_;
    const ControlWindowDescription description;

  private:
    DesignerRect rect_;
    Tvx_String text_;
    bool enabled_;
    bool visible_ = true;
    int checkState_ = kCtrlUnchecked;
    bool threeState_ = false;
    Tvx_StringArray items_;
    int selected_ = -1;
};

class FakeDesignerDialog : public Tvx_DesignerDialog {
  public:
    std::unique_ptr<Tvx_ControlWindow> createControlWindow(
        const ControlWindowDescription& description) override {
        ++created;
        auto window = std::make_unique<FakeControlWindow>(*this, description);
        alive.push_back(window.get());
        return window;
    }
    void repaint() override { ++repaints; }
    int focusedWindowId() const override { return focused; }
    bool isShiftDown() const override { return shift; }
    bool promptString(const Tvx_String& title, const Tvx_String& prompt, const Tvx_String& value,
                      const Tvx_String&, const Tvx_String&, Tvx_String& answer) override {
        prompts.push_back({title, prompt, value});
        if (answers.empty() || !answers.front()) {
            if (!answers.empty()) {
                answers.pop_front();
            }
            return false;
        }
        answer = *answers.front();
        answers.pop_front();
        return true;
    }
    void fillList(int id, const Tvx_StringArray& items) override { lists[id] = items; }
    void selectListIndex(int id, int index) override { listIndices[id] = index; }
    int listIndex(int id) const override {
        const auto it = listIndices.find(id);
        return it == listIndices.end() ? -1 : it->second;
    }
    void setItemText(int id, const Tvx_String& text) override { texts[id] = text; }
    Tvx_String itemText(int id) const override {
        const auto it = texts.find(id);
        return it == texts.end() ? Tvx_String() : it->second;
    }
    void enableItem(int id, bool enable) override { enabled[id] = enable; }

    // The live window with identifier `id`, or null.
    FakeControlWindow* window(int id) const {
        for (FakeControlWindow* w : alive) {
            if (w->id() == id) {
                return w;
            }
        }
        return nullptr;
    }

    struct Prompt {
        Tvx_String title;
        Tvx_String prompt;
        Tvx_String value;
    };
    int created = 0;
    int repaints = 0;
    int focused = 0;
    bool shift = false;
    std::vector<FakeControlWindow*> alive;
    std::vector<Prompt> prompts;
    std::deque<std::optional<Tvx_String>> answers;
    std::map<int, Tvx_StringArray> lists;
    std::map<int, int> listIndices;
    std::map<int, Tvx_String> texts;
    std::map<int, bool> enabled;
};

inline FakeControlWindow::~FakeControlWindow() {
    std::erase(dialog_.alive, this);
}

inline void FakeControlWindow::setFocus() {
    dialog_.focused = description.id;
}
