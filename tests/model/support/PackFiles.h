#pragma once

#include "model/files/PackFile.h"
#include "tests/model/support/DclStreams.h"
#include "tests/model/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

// Record files built byte by byte, and a fresh record layer for each test.

inline void PutU16(Bytes& bytes, uint16_t value)
{
    bytes.push_back(uint8_t(value));
    bytes.push_back(uint8_t(value >> 8));
}

// One record around a DCL stream that states `expanded` bytes.
inline Bytes Record(const Bytes& stream, uint16_t expanded)
{
    Bytes bytes;
    PutU16(bytes, kPackRecordMarker);
    PutU16(bytes, uint16_t(stream.size()));
    PutU16(bytes, expanded);
    bytes.insert(bytes.end(), stream.begin(), stream.end());
    PutU16(bytes, kPackRecordMarker);
    return bytes;
}

inline const Bytes kEndMarker = {0x79, 0x35};
// The letter A, imploded with a 4096-byte dictionary.
inline const Bytes kStreamOfA = {0x00, 0x06, 0x82, 0x02, 0xFE, 0x01};

class PackFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PackFileResetLayer();
        ASSERT_EQ(PackFileInit(nullptr, DCL_BINARY, 4096), 1);
    }
    void TearDown() override { PackFileResetLayer(); }

    std::string WriteFile(const Bytes& bytes, const std::string& name = "list.bin") const
    {
        return m_folder.Write(name, std::string(bytes.begin(), bytes.end()));
    }

    static Bytes ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    PackFilePtr OpenForReading(const Bytes& bytes, std::size_t bufferSize = 4096) const
    {
        return PackFileOpen(WriteFile(bytes), "rb", nullptr, bufferSize);
    }

    static bool BufferText(CPackFile* file, std::string_view text)
    {
        return PackFileBufferData(file, reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }

    // Everything the file delivers, read `piece` bytes at a time.
    static Bytes ReadAll(CPackFile* file, std::size_t piece = 4096)
    {
        Bytes all;
        Bytes chunk(piece);
        while (const std::size_t count = PackFileReadRecord(file, chunk.data(), piece))
            all.insert(all.end(), chunk.begin(), chunk.begin() + std::ptrdiff_t(count));
        return all;
    }

    TempFolder m_folder;
};
