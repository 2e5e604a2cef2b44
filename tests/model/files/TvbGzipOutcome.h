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

// True when the file's gzip members run to its end and the last one is cut short, as inflate
// over the whole file finds it.
inline bool EndsInsideAMember(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    z_stream stream{};
    inflateInit2(&stream, 16 + MAX_WBITS);
    std::vector<Bytef> out(65536);
    std::size_t at = 0;
    bool cut = false;
    while (bytes.size() - at >= 2 && bytes.compare(at, 2, "\x1F\x8B") == 0) {
        inflateReset(&stream);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + at));
        stream.avail_in = uInt(bytes.size() - at);
        int status = Z_OK;
        while (status == Z_OK) {
            stream.next_out = out.data();
            stream.avail_out = uInt(out.size());
            status = inflate(&stream, Z_NO_FLUSH);
        }
        if (status != Z_STREAM_END) {
            cut = status == Z_BUF_ERROR && stream.avail_in == 0;
            break;
        }
        at = bytes.size() - stream.avail_in;
    }
    inflateEnd(&stream);
    return cut;
}

// What the proposal reader must make of a file: as gzread, except that a file cut short is always
// reported; gzread misses the cut when the data before it has just filled its buffer.
inline GzipOutcome ExpectedGzipOutcome(const std::string& path, std::size_t size)
{
    GzipOutcome outcome = ReadWithGzread(path, size);
    if (outcome.error == Z_OK && EndsInsideAMember(path))
        outcome.error = Z_BUF_ERROR;
    return outcome;
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
