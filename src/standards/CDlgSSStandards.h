// CDlgSSStandards.h - the hidden dialog in which one standards sheet is computed. It is
// never shown: the pool (OvSSDlgsMgr) lends it to a calculation and takes it back.
#pragma once

class CDlgSSStandards {
public:
    // Dialog template of the hidden dialog (a template without the visible style).
    static constexpr int IDD = 253;

    explicit CDlgSSStandards(void* parentWindow = nullptr);
    virtual ~CDlgSSStandards();
    CDlgSSStandards(const CDlgSSStandards&) = delete;
    CDlgSSStandards& operator=(const CDlgSSStandards&) = delete;

    // Creates the (invisible) modeless dialog from a template; false when the template is
    // not the standards dialog's.
    bool Create(int templateId, void* parentWindow);
    // Destroys the window; the object stays until deleted.
    bool DestroyWindow();

    bool isCreated() const { return created_; }
    void* parentWindow() const { return parent_; }

private:
    void* parent_ = nullptr;
    bool created_ = false;
};
