// The proposal file's gzip reader from hostile bytes, against zlib's gzread on the same file: both
// end with the same error number, and where the end is sound or the file cut short, with the same
// bytes. A member whose data does not match its trailer counts as zlib's data error.
#include "model/files/TvbGzipReader.h"

#include "fuzz/support/ScratchFolder.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Outcome {
    std::string bytes;
    int error = Z_OK;
};

Outcome ReadWithGzread(const char* path, std::size_t size)
{
    gzFile file = gzopen(path, "rb");
    if (!file)
        std::abort();
    std::vector<char> buffer(size);
    Outcome outcome;
    int got = 0;
    while ((got = gzread(file, buffer.data(), unsigned(size))) > 0)
        outcome.bytes.append(buffer.data(), std::size_t(got));
    gzerror(file, &outcome.error);
    gzclose_r(file);
    return outcome;
}

Outcome ReadWithReader(const char* path, std::size_t size)
{
    CTvbGzipReader reader;
    if (!reader.Open(path))
        std::abort();
    CGzipMemberCheck check;
    std::vector<uint8_t> buffer(size);
    std::optional<GzipTrailer> memberEnd;
    Outcome outcome;
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = std::string(FuzzScratchFolder("tvb_gzip")) + "/input.gz";
    WriteFuzzInput(path.c_str(), data, size);
    for (const std::size_t readSize : {std::size_t(7), std::size_t(65536)}) {
        const Outcome expected = ReadWithGzread(path.c_str(), readSize);
        const Outcome got = ReadWithReader(path.c_str(), readSize);
        if (got.error != expected.error)
            std::abort();
        if ((expected.error == Z_OK || expected.error == Z_BUF_ERROR) && got.bytes != expected.bytes)
            std::abort();
    }
    return 0;
}
