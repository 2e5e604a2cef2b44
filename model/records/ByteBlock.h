#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// An owned byte block (a form field's image, a cell's attachment). Its length can also be the
// unchanged marker 4294967295, which an amendment uses to say "the current block stays"; a
// marked block holds no bytes.
class CByteBlock {
public:
    static constexpr uint32_t kUnchangedLength = 0xFFFFFFFFu;

    CByteBlock() = default;
    CByteBlock(const uint8_t* bytes, size_t length) : m_bytes(bytes, bytes + length) {}
    explicit CByteBlock(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    uint32_t GetLength() const
    {
        return m_unchanged ? kUnchangedLength : static_cast<uint32_t>(m_bytes.size());
    }
    bool IsUnchangedMarker() const { return m_unchanged; }
    bool IsEmpty() const { return !m_unchanged && m_bytes.empty(); }
    const std::vector<uint8_t>& GetBytes() const { return m_bytes; }

    void Assign(const uint8_t* bytes, size_t length)
    {
        m_bytes.assign(bytes, bytes + length);
        m_unchanged = false;
    }
    void Assign(std::vector<uint8_t> bytes)
    {
        m_bytes = std::move(bytes);
        m_unchanged = false;
    }
    void MarkUnchanged()
    {
        m_bytes.clear();
        m_bytes.shrink_to_fit();
        m_unchanged = true;
    }
    // Turns a leftover marker into an empty block (records moved whole from an amendment).
    void StripUnchangedMarker() { m_unchanged = false; }
    void Clear()
    {
        m_bytes.clear();
        m_unchanged = false;
    }

    friend bool operator==(const CByteBlock&, const CByteBlock&) = default;

private:
    std::vector<uint8_t> m_bytes;
    bool m_unchanged = false;
};
