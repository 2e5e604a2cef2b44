#pragma once

// The flat-file importers read arbitrary bytes into a small proposal, one row after another,
// until they report the end; every row must apply, keep the agency's fixed price or be reported,
// and the items cleared or named twice are counted from those rows.
#include "model/eval/Evaluator.h"
#include "model/flat/FlatImport.h"
#include "model/records/Prop.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

inline CProp& FuzzProposal()
{
    static CProp* prop = [] {
        auto* made = new CProp();
        for (const char* line : {"0010", "0020", "0030", "10", "0040"}) {
            auto item = std::make_unique<CItem>();
            item->m_strLineNum = line;
            item->m_fQuan = 3;
            ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_FULLY_BID, 1);
            ChangeFlagBit(&item->m_wFlags, ITEM_FIXED_PRICE, std::string_view(line) == "0040");
            made->m_items.Add(std::move(item));
        }
        return made;
    }();
    return *prop;
}

inline int FuzzFlatImport(FlatFileFunction import, const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    // fmemopen takes no empty buffer; the tests read empty files.
    std::FILE* file = size > 0 ? fmemopen(bytes.data(), bytes.size(), "rb") : nullptr;
    if (file == nullptr)
        return 0;
    FlatFileJob job;
    job.m_pProp = &FuzzProposal();
    job.m_pFile = file;
    job.m_importFields = MakeFlatFieldList({1, 6, 4, 8});
    job.m_importWidths = MakeFlatFieldList({4, 8, 6, 10});
    const CFlatImportReport report = RunFlatImport(job, import);
    std::fclose(file);
    if (report.m_iPricesLoaded + report.m_iFixedPriceRows + report.m_iProblemRows != report.m_iLines)
        __builtin_trap();
    // A cleared item had a row that loaded; a repeated one had two rows that reached it.
    if (report.m_iClearedItems > report.m_iPricesLoaded ||
        2 * report.m_iRepeatedItems > report.m_iPricesLoaded + report.m_iFixedPriceRows)
        __builtin_trap();
    FreeEvaluatorSymbols();
    return 0;
}
