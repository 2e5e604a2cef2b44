#include "model/files/TvbFields.h"
#include "model/files/TvbReader.h"

void CTvbReader::SetCurrentForm(CWinMeta* form)
{
    // Everything current inside the old form goes with it: it may just have been replaced.
    m_pForm = form;
    m_pFilter = nullptr;
}

void CTvbReader::OpenForm(std::unique_ptr<CWinMeta>& slot)
{
    if (!m_input.Charge(sizeof(CWinMeta)))
        return;
    slot = std::make_unique<CWinMeta>();
    SetCurrentForm(slot.get());
}

void CTvbReader::ReadForm()
{
    switch (m_record.m_tag) {
    case TVB_FORM_DBE: return OpenForm(m_prop.m_pDbeForm);
    case TVB_FORM_MBE: return OpenForm(m_prop.m_pMbeForm);
    case TVB_FORM_WBE: return OpenForm(m_prop.m_pWbeForm);
    case TVB_FORM_BOND: return OpenForm(m_prop.m_pBondForm);
    case TVB_FORM_MISC:
        if (CWinMeta* form = Open(m_prop.m_miscForms))
            SetCurrentForm(form);
        return;
    case TVB_FORM_COLUMN_TABLE:
        if (CWinMeta* form = Require(m_pForm))
            ReadColumnTable(*form);
        return;
    default: return Fill<VisitFormFields<CTvbFieldReader>>(m_pForm);
    }
}

void CTvbReader::ReadColumnTable(CWinMeta& form)
{
    if (m_record.m_data.size() != kTvbColumnTableLength) {
        m_input.Fail(kTvbCorrupt);
        return;
    }
    for (std::size_t id = 0; id < form.m_wColumnOfId.size(); ++id)
        form.m_wColumnOfId[id] = uint16_t(m_record.m_data[2 * id] | m_record.m_data[2 * id + 1] << 8);
}

void CTvbReader::ReadFormString()
{
    if (m_record.m_tag != TVB_FORM_STRING)
        return;
    if (CWinMeta* form = Require(m_pForm); form && m_input.Charge(sizeof(std::string)))
        form->m_texts.emplace_back(TvbTextOf(m_record));
}

void CTvbReader::ReadDbField()
{
    CWinMeta* form = m_record.m_tag == TVB_DB_FIELD ? Require(m_pForm) : nullptr;
    if (!form || !m_input.Charge(sizeof(CDBField)))
        return;
    // "name,value": the name ends at the first comma; without one the name is empty.
    const std::string_view text = TvbTextOf(m_record);
    const std::size_t comma = text.find(',');
    auto field = std::make_unique<CDBField>();
    field->m_strText = comma == std::string_view::npos ? text : text.substr(comma + 1);
    form->m_dbFields.SetAt(comma == std::string_view::npos ? std::string_view() : text.substr(0, comma),
                           std::move(field));
}

void CTvbReader::ReadFieldInfo()
{
    CFieldInfo* field = m_pForm ? Last(m_pForm->m_fields) : nullptr;
    switch (m_record.m_tag) {
    case TVB_FIELD:
        if (CWinMeta* form = Require(m_pForm))
            Open(form->m_fields);
        return;
    case TVB_FIELD_DATA_LENGTH: return StartBlock(field ? &field->m_data : nullptr, TVB_FIELD_DATA);
    case TVB_FIELD_DATA: return AppendPiece();
    default: return Fill<VisitFieldInfoFields<CTvbFieldReader>>(field);
    }
}

CRowData* CTvbReader::LastRow() const
{
    return m_pForm ? Last(m_pForm->m_rows) : nullptr;
}

CCellData* CTvbReader::LastCell() const
{
    const CRowData* row = LastRow();
    return row ? Last(row->m_cells) : nullptr;
}

void CTvbReader::ReadRowOrCell()
{
    switch (m_record.m_tag) {
    case TVB_ROW:
        if (CWinMeta* form = Require(m_pForm))
            Open(form->m_rows);
        return;
    case TVB_ROW_FLAGS: return Fill<VisitRowFields<CTvbFieldReader>>(LastRow());
    case TVB_CELL:
        if (CRowData* row = Require(LastRow()))
            Open(row->m_cells);
        return;
    case TVB_CELL_TEXT2:
        if (CCellData* cell = Require(LastCell()))
            cell->m_strText2.assign(TvbTextOf(m_record));
        return;
    case TVB_CELL_DATA_LENGTH: {
        CCellData* cell = LastCell();
        return StartBlock(cell ? &cell->m_data : nullptr, TVB_CELL_DATA);
    }
    case TVB_CELL_DATA: return AppendPiece();
    default: return Fill<VisitCellFields<CTvbFieldReader>>(LastCell());
    }
}

void CTvbReader::StartBlock(CByteBlock* target, uint16_t pieceTag)
{
    int32_t length = 0;
    CTvbFieldReader fields(m_record);
    fields.Long(m_record.m_tag, length);
    if (!Require(target) || fields.TooShort() || !m_block.Start(*target, length, pieceTag))
        m_input.Fail(kTvbCorrupt);
}

void CTvbReader::AppendPiece()
{
    if (!m_block.Append(m_record.m_data))
        m_input.Fail(kTvbCorrupt);
}

void CTvbReader::ReadFirmItem()
{
    CRowData* row = LastRow();
    if (m_record.m_tag == TVB_FIRM_ITEM) {
        if (Require(row))
            Open(row->m_dbeItems);
    } else if (m_record.m_tag != TVB_FIRM_ITEM_COUNT) {
        Fill<VisitFirmItemFields<CTvbFieldReader>>(row ? Last(row->m_dbeItems) : nullptr);
    }
}

void CTvbReader::ReadFilter()
{
    if (m_record.m_tag != TVB_FILTER_NAME)
        return Fill<VisitFilterFields<CTvbFieldReader>>(m_pFilter);
    if (CWinMeta* form = Require(m_pForm); form && m_input.Charge(sizeof(CDataFilter)))
        m_pFilter = form->m_filters.SetAt(TvbTextOf(m_record), std::make_unique<CDataFilter>());
}
