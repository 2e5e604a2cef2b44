#pragma once

class CProp;

// The report templates a state agency ships with its proposals (front matter, schedule of items,
// sites, DBE lists, back matter), installed as the proposal's report formats, with room for the
// longest line number of the proposal's rows.
void InstallAgencyTemplates(CProp& prop);
