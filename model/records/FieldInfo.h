#pragma once

#include "platform/dib/Dib.h"
#include "model/records/ByteBlock.h"
#include "model/records/DataObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum : int {
    FIELD_LIST_IN_PROPOSAL = 0, // the pick-list name is a list of the proposal, not a file name
    FIELD_MATCH_LIST = 3,   // typed text is matched against the list
    FIELD_DIALOG_UNITS = 4, // the position is in dialog units
};

// Field requirement words: always required, never required; any other value names the column
// whose cell in the same row decides.
inline constexpr int32_t kFieldAlwaysRequired = 10000;
inline constexpr int32_t kFieldNeverRequired = 20000;

// One field (column) of an agency form.
class CFieldInfo : public CDataObject<CFieldInfo> {
public:
    uint16_t m_wFlags = 0;
    int32_t m_iX = 0;           // column or x
    int32_t m_iY = 0;           // line or y
    int32_t m_iWidth = 0;
    int32_t m_iHeight = 0;
    int32_t m_iKind = 0;
    int32_t m_iAlignment = 0;   // or the first character column of list entries
    int32_t m_iLastColumn = 0;  // last character column of list entries (0: the whole entry)
    int32_t m_iRequirement = 0;
    std::string m_strName;
    std::string m_strText;      // caption, or the name of the pick list, its filter and link
    std::string m_strHelp;
    CByteBlock m_data;          // the stored image or attachment

    // Kinds 8, 9 and 11 take no typed characters.
    bool AcceptsTyping() const;

    // Replaces the data block (an empty one leaves none and returns false); a given help text
    // replaces the help. A picture made from the old block is dropped.
    bool SetData(std::vector<uint8_t> bytes, const char* helpText = nullptr);

    // Decodes the data block into the field's picture. An existing picture is kept unless
    // `reload`; a missing, too short or undecodable block gives false and no picture.
    bool LoadBitmap(bool reload);
    const CDib* GetBitmap() const { return m_pBitmap.get(); }

    // Everything but the picture, which is made again from the block on demand.
    void CopyFrom(const CFieldInfo& source) override;
    unsigned ReduceToChanges(const CFieldInfo* older) override;
    unsigned ExchangeWithLog(CFieldInfo& amendment) override;
    void StripUnchangedMarkers() override;

private:
    std::unique_ptr<CDib> m_pBitmap;
};
