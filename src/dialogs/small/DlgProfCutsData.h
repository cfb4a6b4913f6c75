// DlgProfCutsData.h - the record of the profile cuts dialog: how each end of a profile is cut
// (none, square, mitre, bevel, with the angle from square) and the clearance left at the cut,
// and the dialog's remembered setting: whether both ends are edited alike.
#pragma once

enum OvProfCutKind : int {
    kProfCutNone = 0,
    kProfCutSquare = 1,
    kProfCutMitre = 2,
    kProfCutBevel = 3,
};
inline constexpr int kProfCutKindCount = 4;

class DlgProfCutsData {
  public:
    DlgProfCutsData() = default;
    DlgProfCutsData(const DlgProfCutsData&) = default;
    DlgProfCutsData& operator=(const DlgProfCutsData&) = default;
    virtual ~DlgProfCutsData() = default;

    bool operator==(const DlgProfCutsData&) const = default;

    int startKind = kProfCutSquare;
    double startAngle = 0;  // degrees from square
    int endKind = kProfCutSquare;
    double endAngle = 0;
    double clearance = 0;  // mm
};

// The profile cuts dialog's remembered setting (1: both ends alike), kept for the module's life;
// it goes into the dialog and is stored back when the dialog ends with OK.
extern int gProfCutsBothEndsAlike;

// Shows the profile cuts dialog; true when the user confirms, the record then holding the cuts.
bool StartEditProfCutsDlg(DlgProfCutsData& data);
