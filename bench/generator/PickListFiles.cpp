#include "bench/generator/PickListFiles.h"

#include "bench/generator/RoadCatalogue.h"
#include "model/files/PackFile.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <cstdint>

namespace {

constexpr std::size_t kRecordSize = 4096;
constexpr int kDictionarySize = 4096;

bool WritePlantList(const std::string& path, std::string& error)
{
    std::string text = "; Asphalt plants approved for this letting\r\n";
    for (const char* plant : AsphaltPlants())
        text += std::string(plant) + "\r\n";
    return platform::WriteFileAtomically(path, text, &error);
}

// A u16 count, then each entry ended by a NUL, in compressed records.
bool WriteTitleList(const std::string& path, std::string& error)
{
    const auto titles = SignerTitles();
    std::string stream{char(titles.size() & 0xFF), char(titles.size() >> 8)};
    for (const char* title : titles)
        stream.append(title, std::char_traits<char>::length(title) + 1);
    PackFilePtr file;
    if (PackFileInit(nullptr, 0, kDictionarySize))
        file = PackFileOpen(path, "wb", nullptr, kRecordSize);
    const bool written = file && PackFileBufferData(file.get(), reinterpret_cast<const uint8_t*>(stream.data()),
                                                     stream.size());
    const int closed = file ? PackFileClose(std::move(file)) : PACK_CANNOT_OPEN;
    if (written && closed == 0)
        return true;
    error = path + ": " + GetPackFileErrorText(closed != 0 ? closed : PACK_WRITE_FAILED);
    return false;
}

} // namespace

bool WritePickListFiles(const std::string& folder, std::string& error)
{
    return WritePlantList(platform::JoinPath(folder, kPlantListFile), error) &&
           WriteTitleList(platform::JoinPath(folder, kSignerTitleListFile), error);
}
