#include "model/flat/FlatExport.h"

#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"

#include <cstdlib>

namespace {

// A line number is the key an import finds its item by: cut, it may name another item ("12800"
// cut to "1280"). Left out altogether (no room) it names none.
bool KeyCut(int fieldId, std::string_view text, std::size_t room)
{
    return fieldId == ITEM_COL_LINE_NUMBER && room > 0 && text.size() > room;
}

void CheckValueFits(FlatFileJob& job, const CItem& item, int fieldId, const CItemColumnValue& value,
                    std::size_t room)
{
    const std::string_view text = value.text ? std::string_view(*value.text) : std::string_view();
    if (value.numeric ? !FlatNumberFits(text, room) : KeyCut(fieldId, text, room))
        NoteFlatNumberTooWide(job, "line " + item.m_strLineNum, GetItemColumnName(fieldId), text, value.number,
                              value.decimals, room);
}

} // namespace

void ForEachFlatExportRow(FlatFileJob& job, FlatNumbers numbers,
                          const std::function<void(const CFlatExportRow&)>& visit)
{
    if (job.m_pProp == nullptr)
        return;
    const CProp& prop = *job.m_pProp;
    const CItemColumnContext context = prop.GetItemColumnContext();
    const auto fields = ActiveFlatFields(job.m_exportFields);
    CFlatExportRow row;
    row.m_values.resize(fields.size());
    const CItem* section = nullptr;
    for (int index = 0; index < prop.m_items.GetSize(); ++index) {
        const CItem* item = prop.m_items.GetAt(index);
        if (item == nullptr)
            continue;
        if (item->IsSection()) {
            section = item;
            continue;
        }
        ++row.m_iRow;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            row.m_values[f] = GetItemColumnValue(context, *item, section, fields[f], index);
            if (numbers != FlatNumbers::Cells)
                CheckValueFits(job, *item, fields[f], row.m_values[f],
                                numbers == FlatNumbers::Columns ? std::size_t(FlatFieldWidth(job.m_exportWidths, f))
                                                                : kAnyFlatWidth);
        }
        visit(row);
    }
}

int CountFlatExportRows(const FlatFileJob& job)
{
    int count = 0;
    if (job.m_pProp != nullptr)
        for (const auto& item : job.m_pProp->m_items)
            count += item && !item->IsSection();
    return count;
}

std::vector<std::string_view> FlatExportFieldNames(const FlatFileJob& job)
{
    std::vector<std::string_view> names;
    for (const int id : ActiveFlatFields(job.m_exportFields))
        names.push_back(GetItemColumnName(id));
    return names;
}

void CFlatOutput::Write(std::string_view bytes)
{
    m_buffer.append(bytes);
    if (m_buffer.size() >= kBufferSize)
        Flush();
}

void CFlatOutput::Flush()
{
    if (m_file == nullptr || std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
        m_failed = true;
    m_buffer.clear();
}

int CFlatOutput::Finish()
{
    Flush();
    if (m_file == nullptr || std::fflush(m_file) != 0 || std::ferror(m_file))
        m_failed = true;
    return m_failed ? FLAT_EXPORT_WRITE_FAILED : FLAT_EXPORT_DONE;
}

bool FlatNumberFits(std::string_view text, std::size_t room)
{
    return text.size() <= room && text.find('*') == std::string_view::npos;
}

void NoteFlatNumberTooWide(FlatFileJob& job, const std::string& place, std::string_view field, std::string_view text,
                           double number, int decimals, std::size_t room)
{
    // Asterisks stand for the whole number, which the message shows.
    const bool starred = text.find('*') != std::string_view::npos;
    const std::string whole = starred ? FormatDollars(number, 0, decimals, false, false) : std::string(text);
    const std::string why = starred ? "has more than " + std::to_string(text.size()) + " digits before the point"
                                    : "needs " + std::to_string(text.size()) + " characters, its column " +
                                          std::to_string(room);
    job.m_numbersTooWide.push_back(place + ": " + std::string(field) + " " + whole + " " + why);
}

int FinishFlatExport(const FlatFileJob& job, CFlatOutput& out)
{
    const int written = out.Finish();
    return job.m_numbersTooWide.empty() ? written : FLAT_EXPORT_NUMBER_TOO_WIDE;
}

int ExportFlatBytes(FlatFileFunction exportRows, FlatFileJob& job, std::string& bytes)
{
    job.m_numbersTooWide.clear();
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (stream == nullptr)
        return FLAT_EXPORT_WRITE_FAILED;
    job.m_pFile = stream;
    int result = exportRows(job);
    job.m_pFile = nullptr;
    if (std::fclose(stream) != 0 && result == FLAT_EXPORT_DONE)
        result = FLAT_EXPORT_WRITE_FAILED;
    bytes.assign(buffer, size);
    std::free(buffer);
    return result;
}

std::string OnOneLine(std::string_view text, std::string_view alsoBlank)
{
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n' || alsoBlank.find(c) != std::string_view::npos)
            c = ' ';
    return line;
}
