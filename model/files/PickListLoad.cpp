#include "model/files/PackFile.h"
#include "model/files/PickList.h"
#include "model/records/Prop.h"
#include "model/text/LineReader.h"
#include "model/text/TextUtil.h"
#include "platform/core/Paths.h"

#include <memory>
#include <vector>

namespace {

constexpr std::size_t kLongestLine = 4096;
constexpr std::size_t kBinBufferSize = 4096;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

CSAStringArray* CannotOpen(const std::string& path, std::string* error)
{
    if (error)
        *error = "Cannot open the file '" + platform::PathToText(path) + "'";
    return nullptr;
}

void ReportDamage(const std::string& path, const CPackFile* file, unsigned read, unsigned count,
                  std::string* error)
{
    if (error)
        *error = "The file '" + path + "' holds only " + std::to_string(read) + " of its "
               + std::to_string(count) + " entries: " + GetPackFileErrorText(PackFileGetError(file));
}

} // namespace

CSAStringArray* LoadBinPickList(CProp& prop, const std::string& path, std::string_view key,
                                std::string* error)
{
    PackFilePtr file;
    if (PackFileInit(nullptr, -1, 0))
        file = PackFileOpen(path, "rb", nullptr, kBinBufferSize);
    if (!file)
        return CannotOpen(path, error);
    PackFileSetEntryMode(PACK_ENTRY_NUL);
    CSAStringArray* list = prop.NewPickList(key, kFilePickLists);
    const unsigned count = PackFileReadCount(file.get());
    std::vector<uint8_t> entry(kPackEntryMax);
    unsigned read = 0;
    for (; read < count; ++read) {
        std::size_t length = PackFileReadRecord(file.get(), entry.data(), 0);
        const bool endsAtNul = length > 0 && entry[length - 1] == '\0';
        // An entry cut off by the end or the damage of the file is not one of its entries.
        if (!endsAtNul && length < kPackEntryMax)
            break;
        list->Add(std::string(reinterpret_cast<const char*>(entry.data()), endsAtNul ? length - 1 : length));
    }
    if (read < count)
        ReportDamage(path, file.get(), read, count, error);
    return list;
}

CSAStringArray* LoadTextPickList(CProp& prop, const std::string& path, std::string_view key,
                                 std::string* error)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return CannotOpen(path, error);
    CSAStringArray* list = prop.NewPickList(key, kFilePickLists);
    CCountingReader reader(file.get());
    std::string line;
    while (ReadLine(reader, line, ";", kLongestLine + 1) >= 0) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!IsBlankString(line))
            list->Add(line);
    }
    return list;
}
