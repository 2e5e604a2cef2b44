#include "model/files/TvbFile.h"

#include "model/check/Recalc.h"
#include "model/files/Checksum.h"
#include "model/files/TvbInput.h"
#include "model/files/TvbReader.h"
#include "model/files/TvbWriter.h"
#include "model/records/Prop.h"
#include "platform/core/Files.h"

#include <new>

namespace {

constexpr const char* kResultTexts[] = {
    "No Error",
    "File is too new. You need to update your version of ZOD.EXE",
    "File is too old. This file can only be read with a previous version of ZOD",
    "Not an TVB File",
    "Cannot open file",
    "Cannot read file",
    "Cannot write file",
    "Insufficient memory",
    "File is corrupt",
    "File is corrupt (#2)",
    "File contains duplicate line numbers",
    "File is an amendment",
};

class CAtomicFileOutput : public CTvbOutput {
public:
    explicit CAtomicFileOutput(platform::AtomicFile& file) : m_file(file) {}
    bool Write(std::string_view bytes) override { return m_file.Write(bytes); }

private:
    platform::AtomicFile& m_file;
};

int CheckMagic(CTvbInput& input)
{
    const std::string_view magic = input.ReadStart(kTvbMagic.size());
    if (input.Result() != kTvbNoError)
        return input.Result();
    if (magic == kTvbOldTextMagic)
        return kTvbTooOld;
    return magic == kTvbMagic ? kTvbNoError : kTvbNotTvb;
}

int ReadProposal(const std::string& path, CProp& prop)
{
    CTvbInput input;
    if (const int opened = input.Open(path); opened != kTvbNoError)
        return opened;
    if (const int magic = CheckMagic(input); magic != kTvbNoError)
        return magic;
    return CTvbReader(input, prop).ReadRecords();
}

// What the proposal needs once all its records are in: its line numbers checked, its rows'
// completeness and its totals worked out.
int FinishLoading(CProp& prop, const std::string& path, bool acceptAmendment)
{
    if (FindDuplicateLineNumber(prop))
        return kTvbDuplicateLines;
    if (!acceptAmendment && TestFlagBit(prop.m_wFlags, PROP_IS_AMENDMENT))
        return kTvbIsAmendment;
    for (CWinMeta* form : AllFormsOf(prop))
        form->CheckRowsComplete(-1);
    RecalcBidTotals(&prop);
    ChangeFlagBit(&prop.m_wFlags, PROP_CHANGED, 0);
    prop.m_strFilePath = path;
    return kTvbNoError;
}

int WriteProposal(CProp& prop, platform::AtomicFile& file, std::string* overflow)
{
    if (!file.Open())
        return kTvbCannotOpen;
    CAtomicFileOutput output(file);
    if (const int written = WriteTvbStream(prop, output, overflow); written != kTvbNoError)
        return written;
    return file.Commit() ? kTvbNoError : kTvbCannotWrite;
}

} // namespace

int LoadTvbFile(std::unique_ptr<CProp>& prop, const std::string& path, bool acceptAmendment)
{
    prop.reset();
    try {
        auto loaded = std::make_unique<CProp>();
        int result = ReadProposal(path, *loaded);
        if (result == kTvbNoError)
            result = FinishLoading(*loaded, path, acceptAmendment);
        if (result == kTvbNoError)
            prop = std::move(loaded);
        return result;
    } catch (const std::bad_alloc&) {
        return kTvbNoMemory;
    }
}

int SaveTvbFile(CProp& prop, const std::string& path, std::string* overflow, std::string* fileError)
{
    try {
        // A cell the padding adds may be one the recalculation fills, as it will after reading.
        if (NormalizeFormRows(prop))
            RecalcBidTotals(&prop);
        prop.m_dwStoredChecksum = ComputeProposalChecksum(&prop);
        platform::AtomicFile file(path);
        const int result = WriteProposal(prop, file, overflow);
        if (fileError != nullptr)
            *fileError = file.Error();
        return result;
    } catch (const std::bad_alloc&) {
        return kTvbNoMemory;
    }
}

std::string GetTvbFileErrorText(int code, bool prefix)
{
    const std::size_t count = std::size(kResultTexts);
    const std::string text = code >= 0 && std::size_t(code) < count ? kResultTexts[code] : "Unknown Error";
    return prefix ? "Error: " + text : text;
}
