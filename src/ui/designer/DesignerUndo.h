// DesignerUndo.h - undo and redo in the designer. Every layout operation and property change is
// recorded as the control list before and after it (with the selection), so one command type
// serves them all; consecutive edits of the same field of the same control merge into one step.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "core/Tvx_Array.h"
#include "designer/Tvx_DesignerControl.h"

struct DesignerState {
    Tvx_Array<Tvx_DesignerControl> controls;
    Tvx_Array<int> selection;
};

class DesignerStateCommand : public QUndoCommand {
  public:
    using Apply = std::function<void(const DesignerState&)>;

    // `mergeKey` >= 0 lets the next command with the same key merge into this one. The command
    // describes a change already made: its first redo does nothing.
    DesignerStateCommand(const QString& text, DesignerState before, DesignerState after,
                         Apply apply, int mergeKey = -1);

    void undo() override;
    void redo() override;
    int id() const override { return mergeKey_; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    DesignerState before_;
    DesignerState after_;
    Apply apply_;
    int mergeKey_;
    bool done_ = true;
};
