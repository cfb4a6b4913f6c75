// ModelessDialogs.cpp - the modeless-dialogs slot and the closers that go through it.
#include "macrodlg/ModelessDialogs.h"

namespace {

class NoModelessDialogs : public ModelessDialogs {
  public:
    void destroyAllMacroDlgs() override {}
    void endDlgEditConstraints() override {}
};

}  // namespace

ovbase::Service<ModelessDialogs>& modelessDialogs() {
    static constinit ovbase::Service<ModelessDialogs> slot{
        &ovbase::defaultService<ModelessDialogs, NoModelessDialogs>};
    return slot;
}

void DestroyAllMacroDlgs() {
    modelessDialogs()->destroyAllMacroDlgs();
}

void EndDlgEditConstraints() {
    modelessDialogs()->endDlgEditConstraints();
}
