// Tvx_ListOutputCallback.cpp - the picture-service slot and the calls that go through it.
#include "core/listoutput/Tvx_ListOutputCallback.h"

ovbase::Service<ListOutputPictureService>& listOutputPictureService() {
    static constinit ovbase::Service<ListOutputPictureService> slot{
        &ovbase::defaultService<ListOutputPictureService, NoPictureService>};
    return slot;
}

bool createImage(const Tvx_StringArray& texts, Tvx_String& outFile, int arg1, int arg2, int arg3,
                 bool flag1, bool flag2, Tvx_Bill* bill, AcTransaction* transaction) {
    outFile.empty();
    return listOutputPictureService()->createImage(texts, outFile, arg1, arg2, arg3, flag1, flag2,
                                                   bill, transaction);
}

void initBMPDialog(int steps) {
    listOutputPictureService()->initBMPDialog(steps);
}

void closeBMPDialog() {
    listOutputPictureService()->closeBMPDialog();
}
