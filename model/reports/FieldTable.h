#pragma once

#include "model/reports/FieldIds.h"

#include <span>
#include <string_view>

// The table of every value a report template or a template-driven form can show.

enum FieldType : int {
    FT_TEXT = 1,
    FT_DATE = 2,          // a time value, printed with FormatDate
    FT_UNSIGNED = 3,
    FT_DOUBLE = 4,        // quantity, price or amount
    FT_HEX = 5,           // 32-bit number printed in hexadecimal
    FT_FLAG = 6,          // one bit of a flag word
    FT_NUMBER_STRING = 8, // a text evaluated as a number
};

// Where a value lives.
enum FieldKind : int {
    FK_LITERAL = 1,     // the template's own text
    FK_PROPOSAL = 2,
    FK_AMENDMENT = 3,   // the addendum notes
    FK_COUNTY = 4,
    FK_SITE = 5,
    FK_ITEM = 6,
    FK_SECTION = 7,
    FK_BIDDER = 8,
    FK_COMPUTED = 9,    // computed by the report
    FK_FIRM_FORM = 10,  // a field of the DBE, MBE or WBE form
    FK_MISC_DATA = 11,  // a field of a miscellaneous data form
    FK_ERROR_LINE = 12, // the bid error list
    FK_FIRM_ITEM = 13,
    FK_BOND_FORM = 14,
    FK_MISC_CONTEXT = 15, // the template context's names
};

// Which member of its object holds a stored value. A firm item's item fields are those of the
// proposal item it refers to; a bidder field's location is its BidderText.
enum FieldLocation : int {
    LOC_NONE,
    // proposal
    LOC_LETTING_ID, LOC_CALL_ORDER, LOC_CONTRACT_ID, LOC_CONTRACT_TYPE, LOC_PROPOSAL_TYPE,
    LOC_PROPOSAL_WORK_TYPE, LOC_HIGHWAY_NUMBER, LOC_SPEC_YEAR, LOC_CONTROLLING_PROJECT,
    LOC_CONTROLLING_ROUTE, LOC_CONTROLLING_PCN, LOC_FUND_TYPE, LOC_ALT_CONTRACT_ID, LOC_LOCATION,
    LOC_DESCRIPTION, LOC_PROJECT_IDS, LOC_PROJECT_WORK_TYPE, LOC_ROAD_NAME, LOC_ROUTE,
    LOC_SERIAL_NUMBER, LOC_AGENCY_ID,
    LOC_GENERIC_TEXT_1, LOC_GENERIC_TEXT_2, LOC_GENERIC_TEXT_3, LOC_GENERIC_TEXT_4, LOC_GENERIC_TEXT_5,
    LOC_LETTING_DATE, LOC_DATE_GENERATED, LOC_DATE_REVISED,
    LOC_PROPOSAL_TOTAL, LOC_ITEMS_TOTAL, LOC_TIME_TOTAL,
    LOC_GENERIC_NUMBER_1, LOC_GENERIC_NUMBER_2, LOC_GENERIC_NUMBER_3,
    LOC_AMENDMENT_COUNT, LOC_STORED_CHECKSUM,
    LOC_FLAGS, LOC_FLAGS2, LOC_GENERIC_FLAGS,
    // item and section rows
    LOC_LINE_NUMBER, LOC_ALT_CODE, LOC_ITEM_NUMBER, LOC_QUANTITY, LOC_UNIT, LOC_UNIT_PRICE,
    LOC_EXTENSION, LOC_SHORT_DESC, LOC_LONG_DESC, LOC_ITEM_FLAGS,
    // sites
    LOC_SITE_NUMBER, LOC_SITE_TYPE_DAYS, LOC_SITE_DESCRIPTION, LOC_SITE_START, LOC_SITE_END,
    LOC_SITE_DAMAGES, LOC_SITE_ROAD_COST, LOC_SITE_TOTAL, LOC_SITE_FLAGS,
    // addendum notes and counties
    LOC_NOTE_NUMBER, LOC_NOTE_DATE, LOC_NOTE_DESCRIPTION, LOC_COUNTY_ID, LOC_COUNTY_NAME,
    // firm items
    LOC_FIRM_QUANTITY, LOC_FIRM_UNIT_PRICE, LOC_FIRM_EXTENSION, LOC_FIRM_NOTE,
};

// How a text is split over the passes of a template line.
enum : int {
    LINE_MODE_ONE = 0,
    LINE_MODE_WRAP = 1,   // pieces that fit the field's width
    LINE_MODE_LINES = 2,  // one line of the text per pass
    LINE_MODE_LITERAL = 3,
};

struct CTemplateFieldDef {
    int m_iId;
    const char* m_pszName;
    int m_iType;
    int m_iKind;
    int m_iLocation;
    int m_iWidth;           // default SIZE; 0: the value's own length
    const char* m_pszFormat;
    int m_iExtra;           // flags: the bit; texts: the line mode
    int m_iOptions;         // default option flags
};

// The rows in table order, without the closing row of id 0.
std::span<const CTemplateFieldDef> GetTemplateFieldTable();
// The row of an id; for ids derived from forms, the marker row they take their type and kind
// from; null for an id that is neither.
const CTemplateFieldDef* FindTemplateFieldRow(int id);
// "Unknown" when the id is not in the table.
std::string_view GetTemplateFieldName(int id);
// 1 DBE, 2 MBE, 3 WBE for the firm goal fields, else 0.
int GetFieldDbeType(int id);
