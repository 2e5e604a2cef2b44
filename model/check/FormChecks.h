#pragma once

#include "model/records/WinMeta.h"

#include <cstdint>
#include <string>

// What recalculation and Check Zod read and write on an agency form, in one place, so that the
// form record's field names stay the form's own business.

enum : int {
    FORM_BIDDER_IS_CERTIFIED = 2, // firm forms: the bidder itself is a certified firm
    FORM_CHECK_LISTED_VALUES = 5, // firm forms: report typed values of listed fields
    FORM_BOND_PAID_BY_CHECK = 10,
    FORM_BOND_VERIFIED = 11,
    FORM_MISC_NOT_REQUIRED = 0,   // miscellaneous forms: the first row need not be complete
};

// Field ids of the firm forms and the bond form.
enum : int {
    FIRM_FIELD_AMOUNT = 2,
    FIRM_FIELD_TYPE = 3,
    FIRM_FIELD_COUNTS = 5,
    BOND_FIELD_PERCENT = 2,
    BOND_FIELD_AMOUNT = 3,
};

// The title a miscellaneous form is known by in messages.
inline const std::string& GetFormTitle(const CWinMeta& form) { return form.m_strFurtherTexts[0]; }

// The goal of a firm form, in per cent of the items total; the required percentage of the bond.
inline double GetFormGoal(const CWinMeta& form) { return form.m_dGoal; }

// The firm form's commitment is the number that recalculation stores on the form.
inline double GetFormCommitment(const CWinMeta& form) { return form.m_dSecondNumber; }
inline void SetFormCommitment(CWinMeta& form, double value) { form.m_dSecondNumber = value; }

// The percentage display format is the byte pair: integer digits, then decimals.
inline int GetFormPercentDecimals(const CWinMeta& form) { return form.m_bytePair[1]; }

// A checked form carries three 16-bit words side by side, then its own message for a failed
// check: the highest severity the last Check Zod run reported for it (0 when clean), the
// severity of the goal or minimum check and that of the verification check, all kept in the
// form's stored numbers, and the message in its first text.
inline uint16_t GetFormErrorState(const CWinMeta& form)
{
    return uint16_t(form.m_iGeometry[CWinMeta::kCheckStateNumber]);
}
inline void SetFormErrorState(CWinMeta& form, int state)
{
    form.m_iGeometry[CWinMeta::kCheckStateNumber] = int16_t(state);
}
inline int GetFormGoalSeverity(const CWinMeta& form) { return form.m_iGeometry[1]; }
inline int GetFormVerifySeverity(const CWinMeta& form) { return form.m_iGeometry[2]; }
inline const std::string& GetFormMessage(const CWinMeta& form) { return form.m_strFirstText; }
