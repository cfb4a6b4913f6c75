// OvDialog.h - the dialog base every dialog of the module builds on. It stands in for the
// framework's dialog class: controls are declared with their numeric ids and found again with
// item(id); DoModal runs OnInitDialog, then the modal loop, in which OK and Cancel reach OnOK and
// OnCancel (OnOK may refuse to close); sizes are remembered under a key; and the module's
// resources are current while the dialog runs.
#pragma once

#include <QDialog>
#include <QHash>

#include "core/MessageService.h"
#include "core/Tvx_String.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Check states as the framework numbers them.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

class OvDialog : public QDialog {
    Q_OBJECT

  public:
    // `templateId` is the number of the dialog template the dialog stands for.
    explicit OvDialog(int templateId, QWidget* parent = nullptr);
    ~OvDialog() override;

    int templateId() const { return templateId_; }

    // Runs the dialog modally: OnInitDialog (once), then the modal loop. Returns the value given
    // to EndDialog (IDOK, IDCANCEL).
    int DoModal();
    // Ends the modal loop with `result`; OnDestroy runs first.
    void EndDialog(int result);
    // True between the start of DoModal and EndDialog.
    bool isRunning() const { return running_; }
    bool isInitialised() const { return initialised_; }

    // Controls by id.
    template <class W>
    W* addControl(int id, W* widget) {
        registerControl(id, widget);
        return widget;
    }
    QWidget* item(int id) const { return controls_.value(id, nullptr); }
    QAbstractButton* button(int id) const;
    QPushButton* pushButton(int id) const;
    QCheckBox* checkBox(int id) const;
    QRadioButton* radioButton(int id) const;
    QLineEdit* lineEdit(int id) const;
    QLabel* label(int id) const;
    QComboBox* comboBox(int id) const;
    QGroupBox* groupBox(int id) const;

    // The framework's item operations; unknown ids are ignored (getters give "" / unchecked).
    void SetDlgItemText(int id, const Tvx_String& text);
    Tvx_String GetDlgItemText(int id) const;
    void CheckDlgButton(int id, int state);
    int IsDlgButtonChecked(int id) const;
    void EnableItem(int id, bool enable);
    bool IsItemEnabled(int id) const;
    void SetWindowText(const Tvx_String& text);

    // An OK (id IDOK) and Cancel (id IDCANCEL) button pair, right-aligned, for the layout.
    QHBoxLayout* createOkCancelRow();

    // Presses a button the way a user does (for handlers and scripted tests): clicks it when it
    // exists and is enabled; false otherwise.
    bool pressButton(int id);

  protected:
    // Called once before the dialog is first shown; false ends DoModal with IDCANCEL.
    virtual bool OnInitDialog();
    // OK and Cancel (also Enter, Escape and the close box); the defaults end the dialog.
    virtual void OnOK();
    virtual void OnCancel();
    // The dialog is ending: save sizes and the like.
    virtual void OnDestroy();

    void accept() override;
    void reject() override;

  private:
    void registerControl(int id, QWidget* widget);

    int templateId_;
    QHash<int, QWidget*> controls_;
    bool initialised_ = false;
    bool running_ = false;
};
