#pragma once

// Reading a whole file with zlib's gzread and with the proposal file's gzip reader, for tests and
// the fuzz target that compare the two.
#include "model/files/TvbGzipReader.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
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
