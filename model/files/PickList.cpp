#include "model/files/PickList.h"

#include "model/records/Prop.h"
#include "model/text/FlagWord.h"
#include "model/text/TextUtil.h"

namespace {

bool IsProposalList(const CFieldInfo& field)
{
    return TestFlagBit(field.m_wFlags, FIELD_LIST_IN_PROPOSAL) != 0;
}

// The position of the form's first field that reads the list file of that name.
int ColumnOfList(const CWinMeta& form, const std::string& name)
{
    for (int column = 0; column < form.m_fields.GetSize(); ++column) {
        const CFieldInfo* field = form.m_fields.GetAtOrNull(column);
        if (field && !IsProposalList(*field) && field->m_strText == name)
            return column;
    }
    return -1;
}

} // namespace

CSAStringArray* GetPickList(CProp* prop, const CWinMeta* form, const CFieldInfo* field,
                            std::string* error)
{
    if (error)
        error->clear();
    if (!prop || !field || IsBlankString(field->m_strText))
        return nullptr;
    if (IsProposalList(*field))
        return prop->GetPickList(field->m_strText, 0);

    std::string fileName = field->m_strText;
    TrimLeftChars(fileName, " \t");
    TrimRightChars(fileName, " \t");
    const std::string path = FindPickListFile(fileName);
    if (path.empty()) {
        if (error)
            *error = "Cannot open the file '" + fileName + "'";
        return nullptr;
    }
    if (CSAStringArray* loaded = prop->GetPickList(path, kFilePickLists))
        return loaded;
    // The old program tested the extension as the form spells it, in capitals only.
    CSAStringArray* list = fileName.ends_with(".BIN") ? LoadBinPickList(*prop, path, path, error)
                                                      : LoadTextPickList(*prop, path, path, error);
    if (list && form)
        list->m_iColumn = ColumnOfList(*form, field->m_strText);
    return list;
}
