#pragma once

// Reading a whole file with zlib's gzread and with the proposal file's gzip reader, for tests and
// the fuzz target that compare the two.
#include "model/files/TvbGzipReader.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

// The bytes a file reads as, and the error number reading ends with.
struct GzipOutcome {
    std::string bytes;
    int error = Z_OK;
};

inline GzipOutcome ReadWithGzread(const std::string& path, std::size_t size)
{
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file)
        return {{}, Z_ERRNO};
    std::vector<char> buffer(size);
    GzipOutcome outcome;
    int got = 0;
    while ((got = gzread(file, buffer.data(), unsigned(size))) > 0)
        outcome.bytes.append(buffer.data(), std::size_t(got));
    gzerror(file, &outcome.error);
    gzclose_r(file);
    return outcome;
}

// The data of a file's gzip members as inflate over the whole file (its bytes) finds it, and
// whether the members run to the file's end with the last one cut short.
struct InflatedMembers {
    std::string bytes;
    bool cut = false;
};

inline InflatedMembers InflateMembers(const std::string& bytes)
{
    z_stream stream{};
    inflateInit2(&stream, 16 + MAX_WBITS);
    std::vector<Bytef> out(65536);
    InflatedMembers inflated;
    std::size_t at = 0;
    while (bytes.size() - at >= 2 && bytes.compare(at, 2, "\x1F\x8B") == 0) {
        inflateReset(&stream);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + at));
        stream.avail_in = uInt(bytes.size() - at);
        int status = Z_OK;
        while (status == Z_OK) {
            stream.next_out = out.data();
            stream.avail_out = uInt(out.size());
            status = inflate(&stream, Z_NO_FLUSH);
            inflated.bytes.append(reinterpret_cast<const char*>(out.data()), out.size() - stream.avail_out);
        }
        if (status != Z_STREAM_END) {
            inflated.cut = status == Z_BUF_ERROR && stream.avail_in == 0;
            break;
        }
        at = bytes.size() - stream.avail_in;
    }
    inflateEnd(&stream);
    return inflated;
}

// What the proposal reader must make of a file: as gzread, except that a file cut short is always
// reported, with all that inflate finds before the cut. gzread misses the cut when the data
// before it has just filled its buffer, and drops what inflate still held for that buffer.
inline GzipOutcome ExpectedGzipOutcome(const std::string& path, std::size_t size)
{
    const GzipOutcome outcome = ReadWithGzread(path, size);
    if (outcome.error != Z_OK && outcome.error != Z_BUF_ERROR)
        return outcome;
    std::ifstream in(path, std::ios::binary);
    InflatedMembers inflated = InflateMembers({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    return inflated.cut ? GzipOutcome{std::move(inflated.bytes), Z_BUF_ERROR} : outcome;
}

// As the proposal reader uses it: every member checked against its trailer, a mismatch being
// what zlib reports as a data error.
inline GzipOutcome ReadWithTvbGzipReader(const std::string& path, std::size_t size)
{
    CTvbGzipReader reader;
    if (!reader.Open(path))
        return {{}, Z_ERRNO};
    CGzipMemberCheck check;
    std::vector<uint8_t> buffer(size);
    std::optional<GzipTrailer> memberEnd;
    GzipOutcome outcome;
    for (;;) {
        const int got = reader.Read(buffer.data(), size, memberEnd);
        if (got < 0)
            return {outcome.bytes, reader.Error()};
        check.Add(buffer.data(), std::size_t(got));
        if (memberEnd && !check.End(*memberEnd))
            return {outcome.bytes, Z_DATA_ERROR};
        outcome.bytes.append(reinterpret_cast<const char*>(buffer.data()), std::size_t(got));
        if (got == 0 && !memberEnd)
            return {outcome.bytes, reader.Error()};
    }
}
