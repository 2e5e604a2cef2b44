#pragma once

#include "model/records/DataArray.h"
#include "model/records/DataFilter.h"
#include "model/records/DataMap.h"
#include "model/records/DataObject.h"
#include "model/records/FieldInfo.h"
#include "model/records/FormRows.h"
#include "model/records/SmallRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Form flag bits.
enum : int {
    FORM_GOAL_BY_PERCENT = 3,
    FORM_ROWS_HAVE_FIRM_ITEMS = 4,
    FORM_FIELDS_CHANGED = 15, // set by ReduceToChanges when the field definitions differ
};

// One agency-defined form (DBE/MBE/WBE firms, miscellaneous data, bid bond): its field
// definitions from the agency and the bidder's rows of cells.
class CWinMeta : public CDataObject<CWinMeta> {
public:
    static constexpr int kFieldIdCount = 12;
    static constexpr uint16_t kNoColumn = 65535;
    static constexpr int kFurtherTextCount = 7;
    // The geometry number that holds Check Zod's verdict on the form: the program's, not the agency's.
    static constexpr size_t kCheckStateNumber = 0;

    uint16_t m_wFlags = 0;
    double m_dGoal = 0;
    double m_dSecondNumber = 0;
    std::array<uint8_t, 2> m_bytePair{};
    std::array<int16_t, 4> m_iGeometry{};
    std::string m_strFirstText;
    int16_t m_iFontSize = 0;
    std::string m_strFontFace;
    std::array<std::string, kFurtherTextCount> m_strFurtherTexts; // texts 3 to 9
    std::array<uint16_t, kFieldIdCount> m_wColumnOfId;              // kNoColumn: no such field
    uint16_t m_wSecondWord = 0;
    CDataArray<CFieldInfo> m_fields;
    CDataArray<CRowData> m_rows;
    std::vector<std::string> m_texts;
    CDataMap<CDBField> m_dbFields;
    CDataMap<CDataFilter> m_filters;

    CWinMeta() { m_wColumnOfId.fill(kNoColumn); }

    // A new row of `cellCount` empty cells (-1: one per field), inserted before `index` or
    // appended when `index` is -1. Null for an index outside the rows.
    CRowData* AddRow(int index, int cellCount);
    bool IsRowComplete(int row) const;

    // The first field whose name matches one of the ';'-separated patterns, in any case.
    CFieldInfo* FindField(std::string_view patterns) const;
    CFieldInfo* GetFieldById(int id) const;
    int GetColumnOfField(int id) const; // kNoColumn when absent
    CCellData* GetCell(int row, int column) const;
    CCellData* GetCellById(int row, int id) const;
    CDBEItem* GetRowDbeItem(int row, int n) const;

    bool IsCellRequired(int row, int column) const;
    // Every required field of the row has text; the answer is kept in the row's complete flag.
    bool CheckRowComplete(int row);
    // One row, or every row for -1 (true only when all are complete).
    bool CheckRowsComplete(int row);

    void CopyFrom(const CWinMeta& source) override;
    // Compares the agency's definitions only; the bidder's rows are not part of an amendment.
    unsigned ReduceToChanges(const CWinMeta* older) override;
    // Takes over the agency's definitions, keeping the bidder's own flag bits; when the field
    // definitions changed, the bidder's rows no longer fit them and are deleted.
    unsigned ExchangeWithLog(CWinMeta& amendment) override;
    void StripUnchangedMarkers() override;
};
