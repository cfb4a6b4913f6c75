// Tvx_ListOutputCallback.h - the receiver of list output (bills, parts lists): the bill
// generator hands every row to an object derived from Tvx_ListOutputCallback, and asks the
// picture services to render an item's picture and to show the picture progress dialog.
//
// The picture services are replaceable: the default renders no picture and shows no dialog, so
// a bill without a drawing behind it comes out as plain rows.
#pragma once

#include "base/Service.h"
#include "core/Tvx_String.h"
#include "core/Tvx_StringArray.h"
#include "host/AcTransaction.h"
#include "host/ErrorStatus.h"

// The bill being generated; owned by the bill generator, opaque to list-output receivers.
class Tvx_Bill;

class Tvx_ListOutputCallback {
  public:
    virtual ~Tvx_ListOutputCallback() = default;
    virtual Acad::ErrorStatus onStartFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onEndFeed() { return Acad::eOk; }
    virtual Acad::ErrorStatus onNewPage() { return Acad::eOk; }
    virtual Acad::ErrorStatus onAddRow(const Tvx_StringArray& /*texts*/) { return Acad::eOk; }
    virtual Acad::ErrorStatus onAddSubTotals(const Tvx_StringArray& /*texts*/,
                                             const Tvx_StringArray& /*secondTexts*/, bool /*flag*/,
                                             int /*value*/) {
        return Acad::eOk;
    }
    virtual Acad::ErrorStatus onAddSeperation() { return Acad::eOk; }
};

// Renders bill items into picture files and shows the progress of doing so.
class ListOutputPictureService {
  public:
    virtual ~ListOutputPictureService() = default;
    // Renders the picture of the item described by `texts` into a new file and names it in
    // `outFile`; false (with `outFile` empty) when no picture could be made.
    virtual bool createImage(const Tvx_StringArray& texts, Tvx_String& outFile, int arg1, int arg2,
                             int arg3, bool flag1, bool flag2, Tvx_Bill* bill,
                             AcTransaction* transaction) = 0;
    virtual void initBMPDialog(int steps) = 0;
    virtual void closeBMPDialog() = 0;
};

// The default: no pictures, no dialog.
class NoPictureService : public ListOutputPictureService {
  public:
    bool createImage(const Tvx_StringArray&, Tvx_String& outFile, int, int, int, bool, bool,
                     Tvx_Bill*, AcTransaction*) override {
        outFile.empty();
        return false;
    }
    void initBMPDialog(int) override {}
    void closeBMPDialog() override {}
};

// The picture-service slot; its default is the NoPictureService.
ovbase::Service<ListOutputPictureService>& listOutputPictureService();

// The picture services as the bill generator calls them: `outFile` is emptied first.
bool createImage(const Tvx_StringArray& texts, Tvx_String& outFile, int arg1, int arg2, int arg3,
                 bool flag1, bool flag2, Tvx_Bill* bill, AcTransaction* transaction);
void initBMPDialog(int steps);
void closeBMPDialog();
