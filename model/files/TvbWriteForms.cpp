#include "model/files/TvbFields.h"
#include "model/files/TvbFormat.h"
#include "model/files/TvbWriter.h"
#include "model/records/Prop.h"

#include <algorithm>

namespace {

using Writer = CTvbRecordWriter;

void WriteColumnTable(const CWinMeta& form, Writer& out)
{
    uint8_t table[kTvbColumnTableLength];
    for (std::size_t id = 0; id < form.m_wColumnOfId.size(); ++id) {
        table[2 * id] = uint8_t(form.m_wColumnOfId[id]);
        table[2 * id + 1] = uint8_t(form.m_wColumnOfId[id] >> 8);
    }
    out.Bytes(TVB_FORM_COLUMN_TABLE, table);
}

void WriteField(CFieldInfo& field, Writer& out)
{
    VisitFieldInfoFields(field, out);
    const CByteBlock& data = field.m_data;
    out.BlockLength(TVB_FIELD_DATA_LENGTH, data.GetLength(), data.IsUnchangedMarker());
    if (!data.IsUnchangedMarker() && !data.IsEmpty())
        out.Bytes(TVB_FIELD_DATA, data.GetBytes());
}

// The block follows its length in pieces the reader appends one after another.
void WriteCellData(const CByteBlock& data, Writer& out)
{
    out.BlockLength(TVB_CELL_DATA_LENGTH, data.GetLength(), data.IsUnchangedMarker());
    if (data.IsUnchangedMarker())
        return;
    const std::span<const uint8_t> bytes = data.GetBytes();
    for (std::size_t at = 0; at < bytes.size(); at += kTvbCellPieceLength)
        out.Bytes(TVB_CELL_DATA, bytes.subspan(at, std::min(kTvbCellPieceLength, bytes.size() - at)));
}

void WriteCell(CCellData& cell, bool cellDataBlocks, Writer& out)
{
    out.Group(TVB_CELL);
    VisitCellFields(cell, out);
    if (!cellDataBlocks)
        return;
    out.Text(TVB_CELL_TEXT2, cell.m_strText2);
    WriteCellData(cell.m_data, out);
}

// One cell per field: a field the row has no cell for gets an empty one.
void WriteRow(CRowData& row, int fieldCount, bool cellDataBlocks, Writer& out)
{
    VisitRowFields(row, out);
    for (int column = 0; column < fieldCount; ++column) {
        CCellData empty;
        CCellData* cell = row.m_cells.GetAtOrNull(column);
        WriteCell(cell ? *cell : empty, cellDataBlocks, out);
    }
    WriteTvbList(out, TVB_FIRM_ITEM_COUNT, TVB_FIRM_ITEM, row.m_dbeItems, VisitFirmItemFields<Writer>);
}

void WriteNamedRecords(const CWinMeta& form, Writer& out)
{
    out.Count(TVB_FORM_STRING_COUNT, form.m_texts.size());
    for (const std::string& text : form.m_texts)
        out.Text(TVB_FORM_STRING, text);
    out.Count(TVB_FORM_DB_FIELD_COUNT, std::size_t(form.m_dbFields.GetCount()));
    for (const auto& [name, field] : form.m_dbFields)
        out.Text(TVB_DB_FIELD, name + "," + field->m_strText);
    out.Count(TVB_FORM_FILTER_COUNT, std::size_t(form.m_filters.GetCount()));
    for (const auto& [name, filter] : form.m_filters) {
        out.Group(TVB_FILTER);
        out.Text(TVB_FILTER_NAME, name);
        VisitFilterFields(*filter, out);
    }
}

void WriteForm(CWinMeta* form, uint16_t kindTag, bool cellDataBlocks, Writer& out)
{
    if (!form)
        return;
    out.Group(TVB_FORM);
    out.Group(kindTag);
    VisitFormFields(*form, out);
    WriteColumnTable(*form, out);
    WriteTvbList(out, TVB_FORM_FIELD_COUNT, TVB_FIELD, form->m_fields, WriteField);
    const int fieldCount = form->m_fields.GetSize();
    WriteTvbList(out, TVB_FORM_ROW_COUNT, TVB_ROW, form->m_rows, [&](CRowData& row, Writer& rowOut) {
        WriteRow(row, fieldCount, cellDataBlocks, rowOut);
    });
    WriteNamedRecords(*form, out);
}

// True when the row changed.
bool NormalizeRow(CRowData& row, int fieldCount)
{
    CDataArray<CCellData>& cells = row.m_cells;
    bool changed = false;
    while (cells.GetSize() > fieldCount)
        changed = cells.DeleteAt(cells.GetSize() - 1);
    for (int column = 0; column < fieldCount; ++column) {
        if (column == cells.GetSize()) {
            cells.Add(std::make_unique<CCellData>());
            changed = true;
        } else if (!cells.GetAt(column)) {
            cells.DeleteAt(column);
            cells.InsertAt(column, std::make_unique<CCellData>());
            changed = true;
        }
    }
    return changed;
}

} // namespace

void WriteTvbForms(CProp& prop, CTvbRecordWriter& out)
{
    const bool cellDataBlocks = prop.m_iCellDataBlocks != 0;
    WriteForm(prop.m_pMbeForm.get(), TVB_FORM_MBE, cellDataBlocks, out);
    WriteForm(prop.m_pWbeForm.get(), TVB_FORM_WBE, cellDataBlocks, out);
    WriteForm(prop.m_pDbeForm.get(), TVB_FORM_DBE, cellDataBlocks, out);
    if (TestFlagBit(prop.m_wFlags, PROP_HAS_MISC_FORMS))
        for (const auto& form : prop.m_miscForms)
            WriteForm(form.get(), TVB_FORM_MISC, cellDataBlocks, out);
    if (TestFlagBit(prop.m_wFlags2, PROP2_HAS_BOND_FORM))
        WriteForm(prop.m_pBondForm.get(), TVB_FORM_BOND, cellDataBlocks, out);
}

std::vector<CWinMeta*> AllFormsOf(const CProp& prop)
{
    std::vector<CWinMeta*> forms;
    for (CWinMeta* form : {prop.m_pDbeForm.get(), prop.m_pMbeForm.get(), prop.m_pWbeForm.get(), prop.m_pBondForm.get()})
        if (form)
            forms.push_back(form);
    for (const auto& form : prop.m_miscForms)
        if (form)
            forms.push_back(form.get());
    return forms;
}

bool NormalizeFormRows(CProp& prop)
{
    bool changed = false;
    for (CWinMeta* form : AllFormsOf(prop))
        for (const auto& row : form->m_rows)
            if (row && NormalizeRow(*row, form->m_fields.GetSize()))
                changed = true;
    return changed;
}
