// PromptDialog.h - the Qt dialog behind Tvx_DlgPromptString: a prompt label, one edit line and
// OK / Cancel with the caller's texts; and the prompt service that shows it, which
// installQtServices puts in place of the engine's unattended prompt.
#pragma once

#include "core/PromptService.h"
#include "ui/OvDialog.h"

namespace ovui {

class PromptDialog : public OvDialog {
    Q_OBJECT

  public:
    // Control ids of the prompt template.
    static constexpr int kTemplateId = 9001;
    static constexpr int kPromptLabel = 9002;
    static constexpr int kValueEdit = 9003;

    explicit PromptDialog(const PromptRequest& request, QWidget* parent = nullptr);
    Tvx_String value() const { return value_; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    PromptRequest request_;
    Tvx_String value_;
};

// The Qt prompt service: shows a PromptDialog.
class QtPromptService : public PromptService {
  public:
    bool prompt(const PromptRequest& request, Tvx_String& answer) override;
};

}  // namespace ovui
