#include "model/files/TvbReader.h"

#include "model/files/TvbFields.h"

#include <algorithm>
#include <cstring>

std::string_view TvbTextOf(const TvbRecord& record)
{
    const char* bytes = reinterpret_cast<const char*>(record.m_data.data());
    return {bytes, strnlen(bytes, record.m_data.size())};
}

uint64_t CTvbFieldReader::ShortNumber(std::size_t width)
{
    const std::span<const uint8_t> data = m_record.m_data;
    if (data.size() + 2 < width) {
        m_tooShort = true;
        return 0;
    }
    uint64_t value = 0;
    for (std::size_t i = 0; i < std::min(width, data.size()); ++i)
        value |= uint64_t(data[i]) << (8 * i);
    return value;
}

bool CBlockFill::Start(CByteBlock& target, int32_t length, uint16_t pieceTag)
{
    if (length == -1) {
        target.MarkUnchanged();
        return true;
    }
    if (length < 0)
        return false;
    target.Clear();
    if (length == 0)
        return true;
    // Nothing is set aside for the announced length: only pieces that came take memory.
    m_target = &target;
    m_length = std::size_t(length);
    m_pieceTag = pieceTag;
    m_bytes.clear();
    return true;
}

bool CBlockFill::Append(std::span<const uint8_t> piece)
{
    if (!m_target || piece.size() > m_length - m_bytes.size())
        return false;
    m_bytes.insert(m_bytes.end(), piece.begin(), piece.end());
    if (m_bytes.size() == m_length) {
        m_target->Assign(std::move(m_bytes));
        m_target = nullptr;
        m_bytes = {};
    }
    return true;
}

int CTvbReader::ReadRecords()
{
    while (m_input.Result() == kTvbNoError && m_input.NextRecord(m_record))
        Dispatch();
    if (m_block.IsOpen())
        m_input.Fail(kTvbCorrupt);
    return m_input.Result();
}

void CTvbReader::Dispatch()
{
    // The pieces of a block follow its length at once; anything else first means some are lost.
    if (m_block.IsOpen() && m_record.m_tag != m_block.PieceTag()) {
        m_input.Fail(kTvbCorrupt);
        return;
    }
    CPropHeader& header = m_prop;
    using Reader = CTvbFieldReader;
    switch (TvbGroupOf(m_record.m_tag)) {
    case TVB_VERSION: return ReadVersion();
    case TVB_HEADER: return Fill<VisitHeaderFields<Reader>>(&header);
    case TVB_ITEM: return ReadListRecord<VisitItemFields<Reader>>(m_prop.m_items);
    case TVB_COUNTY: return ReadListRecord<VisitCountyFields<Reader>>(m_prop.m_counties);
    case TVB_SITE: return ReadListRecord<VisitSiteFields<Reader>>(m_prop.m_sites);
    case TVB_NOTE: return ReadListRecord<VisitNoteFields<Reader>>(m_prop.m_notes);
    case TVB_BIDDER: return ReadBidder();
    case TVB_DISPLAY_FORMATS: return Fill<VisitDisplayFormatFields<Reader>>(&header);
    case TVB_NUMBER_FORMATS: return Fill<VisitNumberFormatFields<Reader>>(&header);
    case TVB_OTHER_REPORT: return ReadListRecord<VisitOtherReportFields<Reader>>(m_prop.m_otherReports);
    case TVB_PLATE: return ReadPlate();
    case TVB_FORM: return ReadForm();
    case TVB_FORM_STRING: return ReadFormString();
    case TVB_DB_FIELD: return ReadDbField();
    case TVB_FIELD: return ReadFieldInfo();
    case TVB_ROW: return ReadRowOrCell();
    case TVB_PICK_LIST: return ReadPickList();
    case TVB_FIRM_ITEM: return ReadFirmItem();
    case TVB_FILTER: return ReadFilter();
    case TVB_BID_CAP: return ReadBidCap();
    default: return; // a group of a newer writer
    }
}

void CTvbReader::ReadVersion()
{
    if (m_record.m_tag != TVB_VERSION)
        return;
    uint16_t version = 0;
    CTvbFieldReader fields(m_record);
    fields.Word(TVB_VERSION, version);
    if (version / 100 > kTvbNewestGeneration)
        m_input.Fail(kTvbTooNew);
}

void CTvbReader::ReadBidder()
{
    if (m_record.m_tag != TVB_BIDDER)
        return Fill<VisitBidderFields<CTvbFieldReader>>(m_prop.m_pBidder.get());
    if (m_input.Charge(sizeof(CBidderInfo)))
        m_prop.m_pBidder = std::make_unique<CBidderInfo>();
}

void CTvbReader::ReadPlate()
{
    if (m_record.m_tag == TVB_PLATE_NAME) {
        if (m_input.Charge(sizeof(CPlate)))
            m_pPlate = m_prop.SetPlate(TvbTextOf(m_record), {});
    } else if (m_record.m_tag == TVB_PLATE_TEXT) {
        if (CPlate* plate = Require(m_pPlate))
            plate->m_strText.assign(TvbTextOf(m_record));
    }
}

void CTvbReader::ReadPickList()
{
    if (m_record.m_tag == TVB_PICK_LIST_NAME) {
        if (m_input.Charge(sizeof(CSAStringArray)))
            m_pPickList = m_prop.NewPickList(TvbTextOf(m_record), 0);
    } else if (m_record.m_tag == TVB_PICK_LIST_ENTRY) {
        if (CSAStringArray* list = Require(m_pPickList); list && m_input.Charge(sizeof(std::string)))
            list->Add(std::string(TvbTextOf(m_record)));
    }
}

void CTvbReader::ReadBidCap()
{
    switch (m_record.m_tag) {
    case TVB_BID_CAP_NAME:
        if (m_input.Charge(sizeof(CBidCap)))
            m_pBidCap = m_prop.GetOrCreateBidCap(TvbTextOf(m_record));
        return;
    case TVB_BID_CAP_RULE:
    case TVB_BID_CAP_RULE_COUNT:
    case TVB_BID_CAP_MINIMUM:
    case TVB_BID_CAP_MAXIMUM:
    case TVB_BID_CAP_MESSAGE:
        if (CBidCap* cap = Require(m_pBidCap))
            ReadBidCapRule(*cap);
        return;
    default: return;
    }
}

void CTvbReader::ReadBidCapRule(CBidCap& cap)
{
    CTvbFieldReader fields(m_record);
    int32_t rule = cap.m_iRuleIndex;
    fields.Long(TVB_BID_CAP_RULE, rule);
    fields.Long(TVB_BID_CAP_RULE_COUNT, cap.m_iRuleCount);
    // The texts go to the rule named last; a bid cap has only five.
    if (fields.TooShort() || rule < 0 || rule >= CBidCap::kMaxRules) {
        m_input.Fail(kTvbCorrupt);
        return;
    }
    cap.m_iRuleIndex = rule;
    fields.Text(TVB_BID_CAP_MINIMUM, cap.m_strMinimum[size_t(rule)]);
    fields.Text(TVB_BID_CAP_MAXIMUM, cap.m_strMaximum[size_t(rule)]);
    fields.Text(TVB_BID_CAP_MESSAGE, cap.m_strMessage[size_t(rule)]);
}
