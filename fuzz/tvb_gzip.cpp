// The proposal file's gzip reader from hostile bytes, against zlib's gzread on the same file: both
// end with the same error number, and where the end is sound or the file cut short, with the same
// bytes. A member whose data does not match its trailer counts as zlib's data error; a file cut
// short is reported even where gzread misses the cut.
#include "fuzz/support/ScratchFolder.h"
#include "tests/model/files/TvbGzipOutcome.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = std::string(FuzzScratchFolder("tvb_gzip")) + "/input.gz";
    WriteFuzzInput(path.c_str(), data, size);
    for (const std::size_t readSize : {std::size_t(7), std::size_t(65536)}) {
        const GzipOutcome expected = ExpectedGzipOutcome(path, readSize);
        const GzipOutcome got = ReadWithTvbGzipReader(path, readSize);
        if (got.error != expected.error)
            std::abort();
        if ((expected.error == Z_OK || expected.error == Z_BUF_ERROR) && got.bytes != expected.bytes)
            std::abort();
    }
    return 0;
}
