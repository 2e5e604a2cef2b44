#pragma once

#include "model/files/TvbFile.h"
#include "model/files/TvbInput.h"
#include "model/records/Prop.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A text record: its bytes up to a NUL, as the text would be read as a C string.
std::string_view TvbTextOf(const TvbRecord& record);

// Visits the fields of a record kind (TvbFields.h) and fills the one whose tag the record has. A
// number is read at the width of its field, the data taken as followed by two zero bytes (so a
// u16 record fills a 32-bit field zero-extended); a record too short even for that is refused.
class CTvbFieldReader {
public:
    explicit CTvbFieldReader(const TvbRecord& record) : m_record(record) {}

    void Word(uint16_t tag, uint16_t& field) { if (Is(tag)) field = uint16_t(Number(2)); }
    void Short(uint16_t tag, int16_t& field) { if (Is(tag)) field = int16_t(Number(2)); }
    void Long(uint16_t tag, int32_t& field) { if (Is(tag)) field = int32_t(uint32_t(Number(4))); }
    void Narrow(uint16_t tag, int32_t& field) { Long(tag, field); }
    void Double(uint16_t tag, double& field) { if (Is(tag)) field = std::bit_cast<double>(Number(8)); }
    void Pair(uint16_t tag, uint8_t& first, uint8_t& second)
    {
        if (!Is(tag))
            return;
        const uint64_t both = Number(2);
        first = uint8_t(both);
        second = uint8_t(both >> 8);
    }
    // Cleared and appended: the library's assign takes a slower, general path, and a proposal has
    // tens of thousands of texts.
    void Text(uint16_t tag, std::string& field)
    {
        if (Is(tag)) {
            field.clear();
            field.append(TvbTextOf(m_record));
        }
    }

    bool Matched() const { return m_matched; }
    bool TooShort() const { return m_tooShort; }

private:
    bool Is(uint16_t tag)
    {
        if (tag != m_record.m_tag)
            return false;
        m_matched = true;
        return true;
    }

    // A whole number in the record, the common case, read inline; a short one the long way.
    uint64_t Number(std::size_t width)
    {
        uint64_t value = 0;
        if (std::endian::native != std::endian::little || m_record.m_data.size() < width)
            return ShortNumber(width);
        std::memcpy(&value, m_record.m_data.data(), width);
        return value;
    }
    uint64_t ShortNumber(std::size_t width);

    const TvbRecord& m_record;
    bool m_matched = false;
    bool m_tooShort = false;
};

// A data block announced by its length and filled by the pieces that come right after it.
class CBlockFill {
public:
    // Length -1 marks the block unchanged (amendments), 0 empties it; false for other negatives.
    bool Start(CByteBlock& target, int32_t length, uint16_t pieceTag);
    // False when no block is open or the piece runs past the announced length.
    bool Append(std::span<const uint8_t> piece);
    bool IsOpen() const { return m_target != nullptr; }
    uint16_t PieceTag() const { return m_pieceTag; }

private:
    CByteBlock* m_target = nullptr;
    std::size_t m_length = 0;
    uint16_t m_pieceTag = 0;
    std::vector<uint8_t> m_bytes;
};

// Builds a proposal from the records of an opened input. Every element a record opens is charged
// to the input's budget before it is made, and every record that fills an element needs that
// element (and its parents) to be there; otherwise the file is corrupt.
class CTvbReader {
public:
    CTvbReader(CTvbInput& input, CProp& prop) : m_input(input), m_prop(prop) {}

    // Reads up to the end record; a TvbResult.
    int ReadRecords();

private:
    void Dispatch();
    void ReadVersion();
    void ReadBidder();
    void ReadPlate();
    void ReadPickList();
    void ReadBidCap();
    void ReadBidCapRule(CBidCap& cap);
    // Form records (TvbReadForms.cpp).
    void ReadForm();
    void ReadColumnTable(CWinMeta& form);
    void ReadFormString();
    void ReadDbField();
    void ReadFieldInfo();
    void ReadRowOrCell();
    void ReadFirmItem();
    void ReadFilter();
    void OpenForm(std::unique_ptr<CWinMeta>& slot);
    void SetCurrentForm(CWinMeta* form);
    void StartBlock(CByteBlock* target, uint16_t pieceTag);
    void AppendPiece();
    CRowData* LastRow() const;
    CCellData* LastCell() const;

    // The element a record needs; null (and the file corrupt) when it is not there.
    template <class T>
    T* Require(T* element)
    {
        if (!element)
            m_input.Fail(kTvbCorrupt);
        return element;
    }

    // A new element at the end of `list`, charged first; null when past the budget.
    template <class T>
    T* Open(CDataArray<T>& list)
    {
        return m_input.Charge(sizeof(T)) ? list.Add(std::make_unique<T>()) : nullptr;
    }

    template <class T>
    static T* Last(const CDataArray<T>& list)
    {
        return list.IsEmpty() ? nullptr : list.GetAt(list.GetSize() - 1);
    }

    // Fills the field of `target` that the record names. Without a target, a record naming one
    // of its fields came before its element; a tag none of the fields has is skipped.
    template <auto Visit, class T>
    void Fill(T* target)
    {
        if (!target)
            return FillMissing<Visit, T>();
        CTvbFieldReader fields(m_record);
        Visit(*target, fields);
        if (fields.TooShort())
            m_input.Fail(kTvbCorrupt);
    }

    template <auto Visit, class T>
    void FillMissing()
    {
        T probe;
        CTvbFieldReader fields(m_record);
        Visit(probe, fields);
        if (fields.Matched())
            m_input.Fail(kTvbCorrupt);
    }

    // The base tag opens an element of the list, any other tag fills the last one.
    template <auto Visit, class T>
    void ReadListRecord(CDataArray<T>& list)
    {
        if (m_record.m_tag == TvbGroupOf(m_record.m_tag))
            Open(list);
        else
            Fill<Visit>(Last(list));
    }

    CTvbInput& m_input;
    CProp& m_prop;
    TvbRecord m_record;
    CWinMeta* m_pForm = nullptr;
    CDataFilter* m_pFilter = nullptr;
    CPlate* m_pPlate = nullptr;
    CSAStringArray* m_pPickList = nullptr;
    CBidCap* m_pBidCap = nullptr;
    CBlockFill m_block;
};
