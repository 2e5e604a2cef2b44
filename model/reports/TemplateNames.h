#pragma once

#include <string_view>

class CProp;

struct CResolvedField {
    int m_iId = 1;         // FIELD_STRING when nothing else matched
    int m_iFirmType = 0;   // the firm form a form field was found in
    bool m_bAmbiguous = false;
};

// A field name of a template, in this order: a name of the field table; a field of the firm
// form that the template's name chooses, of a miscellaneous form or of the bond form; a prefix
// of one table name; the "_" split rule; a context name; else the first row ("STRING").
CResolvedField ResolveTemplateField(const CProp* prop, std::string_view name, std::string_view templateName);

// The firm form a template's fields are found in: MBE or WBE when its name says so and that type
// is active, else DBE, else whichever the proposal has; 0 for none.
int ChooseTemplateFirmType(const CProp& prop, std::string_view templateName);
