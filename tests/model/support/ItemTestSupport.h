#pragma once

#include "model/text/FlagWord.h"
#include "model/records/ItemArray.h"

#include <memory>
#include <string>
#include <vector>

inline std::unique_ptr<CItem> MakeItem(std::string line, std::string itemNumber = "ITEM", std::string shortDesc = "desc")
{
    auto item = std::make_unique<CItem>();
    item->m_strLineNum = std::move(line);
    item->m_strItemNum = std::move(itemNumber);
    item->m_strShortDesc = std::move(shortDesc);
    item->m_strUnit = "EA";
    item->m_fQuan = 1;
    return item;
}

inline std::unique_ptr<CItem> MakeSection(std::string line, std::string description = "Section")
{
    auto section = std::make_unique<CItem>();
    section->m_strLineNum = std::move(line);
    section->m_strLongDesc = std::move(description);
    ChangeFlagBit(&section->m_wFlags, ITEM_IS_SECTION, 1);
    return section;
}

inline std::vector<std::string> Lines(const CItemArray& list)
{
    std::vector<std::string> lines;
    for (const auto& row : list)
        lines.push_back(row ? (row->IsSection() ? "S" : "") + row->m_strLineNum : "<null>");
    return lines;
}
