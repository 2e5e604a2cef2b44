#include "model/flat/FlatFileFormats.h"

#include "model/flat/FlatFormats.h"
#include "model/records/Item.h"

#include <array>

namespace {

constexpr std::array<FlatFileFormat, 7> kFormats{{
    {"CSV", "Comma Delimited", false, ExportCsv, ImportCsv},
    {"CS2", "Simplified CSV", false, ExportCs2, ImportCsv},
    {"TAB", "Tab Delimited", false, ExportTab, ImportTab},
    {"DIF", "Data Interchange Format", false, ExportDif, ImportDif},
    {"COL", "Fixed Column", false, ExportCol, ImportCol},
    {"WK1", "1-2-3 format", true, ExportWk1, ImportWk1},
    {"DAT", "Export Only!", false, ExportPassFile, ImportNothing},
}};

} // namespace

std::span<const FlatFileFormat> GetFlatFileFormatTable()
{
    return kFormats;
}

const FlatFileFormat* GetFlatFileFormatAt(int index)
{
    return index >= 0 && std::size_t(index) < kFormats.size() ? &kFormats[std::size_t(index)] : nullptr;
}

int FindFlatFileFormat(std::string_view code)
{
    if (code.empty())
        return -1;
    for (std::size_t i = 0; i < kFormats.size(); ++i)
        if (EqualsIgnoringCase(kFormats[i].m_code, code))
            return int(i);
    return -1;
}

const FlatFileFormat* GetFlatFileFormat(std::string_view code)
{
    const int index = FindFlatFileFormat(code);
    return index < 0 ? nullptr : &kFormats[std::size_t(index)];
}
