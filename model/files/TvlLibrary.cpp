#include "model/files/TvlLibrary.h"

#include "platform/core/Files.h"

#include <array>
#include <iterator>
#include <unistd.h>

namespace {

constexpr const char* kErrorTexts[] = {
    "No Error",
    "Unexpected end of Input file",
    "Unexpected end of Output file",
    "File is corrupt",
    "Unknown Error",
    "File size error",
    "Unable to open file",
    "File not in library",
    "End of Library found",
    "File Not a TVL lib file",
    "Insufficient Memory",
};

int g_lastError = kTvlNoError;

bool Fail(int code)
{
    SetTvlError(code);
    return false;
}

std::optional<uint64_t> SizeOf(std::FILE* file)
{
    if (fseeko(file, 0, SEEK_END) != 0)
        return std::nullopt;
    const off_t size = ftello(file);
    if (size < 0 || fseeko(file, 0, SEEK_SET) != 0)
        return std::nullopt;
    return uint64_t(size);
}

} // namespace

std::string GetTvlErrorText(int* code)
{
    if (code)
        *code = g_lastError;
    if (g_lastError == kTvlNoError)
        return {};
    const bool known = g_lastError > 0 && std::size_t(g_lastError) < std::size(kErrorTexts);
    return known ? kErrorTexts[g_lastError] : kErrorTexts[kTvlUnknown];
}

int SetTvlError(int code)
{
    g_lastError = code;
    return 0;
}

uint64_t CTvlLibrary::Position() const
{
    const off_t at = ftello(m_file);
    return at < 0 ? m_fileSize : uint64_t(at);
}

bool CTvlLibrary::Seek(uint64_t offset)
{
    if (offset > m_fileSize)
        return Fail(kTvlSizeError);
    return fseeko(m_file, off_t(offset), SEEK_SET) == 0 || Fail(kTvlEndOfInput);
}

bool CTvlLibrary::ReadBytes(void* bytes, std::size_t count)
{
    return std::fread(bytes, 1, count, m_file) == count || Fail(kTvlEndOfInput);
}

bool CTvlLibrary::ReadWord(uint16_t& value)
{
    std::array<uint8_t, 2> bytes{};
    if (!ReadBytes(bytes.data(), bytes.size()))
        return false;
    value = uint16_t(bytes[0] | bytes[1] << 8);
    return true;
}

bool CTvlLibrary::ReadLong(uint32_t& value)
{
    std::array<uint8_t, 4> bytes{};
    if (!ReadBytes(bytes.data(), bytes.size()))
        return false;
    value = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
    return true;
}

// A NUL-terminated text of at most maxLength characters; a longer one is damage.
bool CTvlLibrary::ReadText(std::string& text, std::size_t maxLength)
{
    text.clear();
    for (;;) {
        const int c = std::getc(m_file);
        if (c == EOF)
            return Fail(kTvlEndOfInput);
        if (c == 0)
            return true;
        if (text.size() == maxLength)
            return Fail(kTvlCorrupt);
        text += char(c);
    }
}

bool CTvlLibrary::ReadMagic()
{
    if (Position() >= m_fileSize)
        return Fail(kTvlEndOfLibrary);
    std::array<char, kTvlMagic.size()> magic{};
    if (!ReadBytes(magic.data(), magic.size()))
        return false;
    return std::string_view(magic.data(), magic.size()) == kTvlMagic || Fail(kTvlCorrupt);
}

bool CTvlLibrary::ReadFields()
{
    uint16_t members = 0;
    uint16_t version = 0;
    if (!ReadLong(m_dwFirstEntry) || !ReadLong(m_dwWord) || !ReadWord(members) || !ReadWord(version) ||
        !ReadText(m_strTitle, kTvlMaxTitle))
        return false;
    m_nMembers = int16_t(members);
    m_nVersion = int16_t(version);
    return Seek(m_dwFirstEntry);
}

bool CTvlLibrary::ReadEntryFields(CTvlEntry& entry)
{
    uint16_t word3 = 0;
    if (!ReadMagic() || !ReadLong(entry.m_dwDataOffset) || !ReadLong(entry.m_dwWord1) ||
        !ReadLong(entry.m_dwSize) || !ReadLong(entry.m_dwWord2) || !ReadWord(word3) ||
        !ReadLong(entry.m_dwTimeStamp) || !ReadWord(entry.m_wAttributes) ||
        !ReadText(entry.m_strFileName, kTvlMaxName) || !ReadText(entry.m_strDescription, kTvlMaxName))
        return false;
    entry.m_nWord3 = int16_t(word3);
    entry.m_tTime = TvlStampToTime(entry.m_dwTimeStamp, m_nVersion);
    // The next entry follows the data: data that began inside its own entry would lead back.
    if (entry.m_dwDataOffset < Position())
        return Fail(kTvlCorrupt);
    return entry.DataEnd() <= m_fileSize || Fail(kTvlSizeError);
}

std::optional<CTvlEntry> CTvlLibrary::ReadEntry(bool skipData)
{
    CTvlEntry entry;
    if (!ReadEntryFields(entry) || !Seek(skipData ? entry.DataEnd() : entry.m_dwDataOffset))
        return std::nullopt;
    return entry;
}

bool CTvlLibrary::SeekToData(const CTvlEntry& entry)
{
    return Seek(entry.m_dwDataOffset) && ReadMagic();
}

std::optional<CTvlEntry> CTvlLibrary::ReadNextEntry(const CTvlEntry* current)
{
    if (!Seek(current ? current->DataEnd() : m_dwFirstEntry))
        return std::nullopt;
    std::optional<CTvlEntry> entry = ReadEntry(false);
    if (entry && !SeekToData(*entry))
        return std::nullopt;
    return entry;
}

std::unique_ptr<CTvlLibrary> OpenTvlLibrary(const std::string& path)
{
    SetTvlError(kTvlNoError);
    const int fd = platform::OpenRegularFile(path);
    std::FILE* file = fd >= 0 ? fdopen(fd, "rb") : nullptr;
    if (!file) {
        if (fd >= 0)
            close(fd);
        Fail(kTvlCannotOpen);
        return nullptr;
    }
    const std::optional<uint64_t> size = SizeOf(file);
    if (!size) {
        std::fclose(file);
        Fail(kTvlCannotOpen);
        return nullptr;
    }
    auto library = std::make_unique<CTvlLibrary>(file, *size);
    std::array<char, kTvlHeaderText.size()> header{};
    if (!library->ReadBytes(header.data(), header.size()))
        return nullptr;
    if (std::string_view(header.data(), header.size()) != kTvlHeaderText) {
        Fail(kTvlCorrupt);
        return nullptr;
    }
    return library->ReadFields() ? std::move(library) : nullptr;
}

std::optional<CTvlEntry> TvlReadNextEntry(CTvlLibrary& library, const CTvlEntry* current)
{
    return library.ReadNextEntry(current);
}

std::optional<CTvlEntry> TvlReadEntry(CTvlLibrary& library, bool skipData)
{
    return library.ReadEntry(skipData);
}

int ListTvlMembers(const std::string& path, std::vector<CTvlEntry>& members)
{
    members.clear();
    const std::unique_ptr<CTvlLibrary> library = OpenTvlLibrary(path);
    if (library) {
        while (std::optional<CTvlEntry> entry = library->ReadNextEntry(members.empty() ? nullptr : &members.back()))
            members.push_back(std::move(*entry));
    }
    int error = kTvlNoError;
    GetTvlErrorText(&error);
    return error == kTvlEndOfLibrary ? kTvlNoError : error;
}
