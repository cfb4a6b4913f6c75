// StartDlgStandardsSS.h - the exported standards calculation: a caller fills an
// OvDlgStandardsData and gets the results back in it (macro mode: also in the macro).
#pragma once

#include "core/Tvx_String.h"

class OvDlgStandardsData;
class OvVarCells;

// Runs one calculation in a hidden dialog borrowed from the pool. True on success, with the
// results copied into `data`; false (record unchanged) on failure. The dialog goes back to
// the pool either way.
bool StartDlgStandardsSS(OvDlgStandardsData& data);

// Development aid: a list-mode calculation of the library's test standard
// ("Connection Standards\\Test\\StandardsTest.ovs") with two Input and two Output variables,
// listed on the command line afterwards.
bool StartDlgStandardsSStest();

// Development listing of a variable list on the host's command line (Input variables are left
// out).
void listVarCells(const OvVarCells& cells);
