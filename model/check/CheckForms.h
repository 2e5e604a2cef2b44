#pragma once

class CProp;

// The form rules of Check Zod.
void CheckDbeGoal(CProp& prop, int type);
void CheckMiscForms(const CProp& prop);
void CheckBond(CProp& prop);
