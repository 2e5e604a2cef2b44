#include "model/flat/FlatExport.h"

#include "model/records/Prop.h"

#include <cstdlib>

void ForEachFlatExportRow(const FlatFileJob& job, const std::function<void(const CFlatExportRow&)>& visit)
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
        for (std::size_t f = 0; f < fields.size(); ++f)
            row.m_values[f] = GetItemColumnValue(context, *item, section, fields[f], index);
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

int ExportFlatBytes(FlatFileFunction exportRows, FlatFileJob& job, std::string& bytes)
{
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
