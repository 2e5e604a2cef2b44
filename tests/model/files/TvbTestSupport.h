#pragma once

#include <zlib.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Record streams built by hand, byte by byte, so that the reader and the writer are held to the
// file's layout rather than only to each other.
class TvbStream {
public:
    TvbStream& Magic(std::string_view magic = "TVB!")
    {
        m_bytes.append(magic);
        return *this;
    }
    TvbStream& Record(uint16_t tag, std::string_view data = {})
    {
        Put(tag, 2);
        Put(data.size(), 2);
        m_bytes.append(data);
        return *this;
    }
    TvbStream& Word(uint16_t tag, uint16_t value) { return Record(tag, Le(value, 2)); }
    TvbStream& Long(uint16_t tag, int32_t value) { return Record(tag, Le(uint32_t(value), 4)); }
    TvbStream& Double(uint16_t tag, double value) { return Record(tag, Le(std::bit_cast<uint64_t>(value), 8)); }
    TvbStream& End() { return Record(0xFF00); }
    // The usual start: magic and version.
    static TvbStream Proposal() { return std::move(TvbStream().Magic().Word(0x0100, 800)); }

    const std::string& Bytes() const { return m_bytes; }

    static std::string Le(uint64_t value, int bytes)
    {
        std::string out;
        for (int i = 0; i < bytes; ++i)
            out += char(value >> (8 * i));
        return out;
    }

private:
    void Put(uint64_t value, int bytes) { m_bytes += Le(value, bytes); }

    std::string m_bytes;
};

// `flush` other than Z_FINISH leaves the member unfinished, cut where that flush ends.
inline std::string GzipBytes(std::string_view bytes, int level = Z_DEFAULT_COMPRESSION, int flush = Z_FINISH)
{
    z_stream stream{};
    deflateInit2(&stream, level, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, uLong(bytes.size())) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, flush);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

inline std::string GunzipBytes(std::string_view bytes)
{
    z_stream stream{};
    inflateInit2(&stream, 31);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = uInt(bytes.size());
    std::string out;
    char chunk[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, sizeof chunk - stream.avail_out);
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        throw std::runtime_error("not a whole gzip stream");
    return out;
}

inline std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct TvbParsedRecord {
    uint16_t tag;
    std::string data;
};

// The records of a stream after its magic, up to and with the end record.
inline std::vector<TvbParsedRecord> ParseTvbRecords(std::string_view stream)
{
    std::vector<TvbParsedRecord> records;
    std::size_t at = 4;
    while (at + 4 <= stream.size()) {
        const auto byte = [&](std::size_t i) { return unsigned(uint8_t(stream[at + i])); };
        const uint16_t tag = uint16_t(byte(0) | byte(1) << 8);
        const std::size_t length = byte(2) | byte(3) << 8;
        if (at + 4 + length > stream.size())
            throw std::runtime_error("record runs past the stream");
        records.push_back({tag, std::string(stream.substr(at + 4, length))});
        at += 4 + length;
        if (tag == 0xFF00)
            break;
    }
    return records;
}
