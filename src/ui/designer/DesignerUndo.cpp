// DesignerUndo.cpp - the designer's one undo command.
#include "ui/designer/DesignerUndo.h"

DesignerStateCommand::DesignerStateCommand(const QString& text, DesignerState before,
                                           DesignerState after, Apply apply, int mergeKey)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      apply_(std::move(apply)),
      mergeKey_(mergeKey) {}

void DesignerStateCommand::undo() {
    apply_(before_);
    done_ = false;
}

void DesignerStateCommand::redo() {
    if (done_) {
        return;  // pushed after the change was made
    }
    apply_(after_);
    done_ = true;
}

bool DesignerStateCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const DesignerStateCommand*>(other);
    if (next == nullptr || next->mergeKey_ != mergeKey_ || mergeKey_ < 0) {
        return false;
    }
    after_ = next->after_;
    return true;
}
