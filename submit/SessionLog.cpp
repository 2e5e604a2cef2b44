#include "submit/SessionLog.h"

#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/LocalTime.h"
#include "platform/core/Paths.h"

#include <cerrno>
#include <algorithm>
#include <cstdarg>
#include <sys/stat.h>

namespace {

constexpr std::size_t kMaxEntryText = 511; // with the line end
constexpr int kMaxSameSecondRuns = 100;

std::string StartTimeText()
{
    const std::tm local = platform::ToLocalTime(platform::CurrentTime());
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%y%m%d_%H%M%S", &local);
    return std::string(text, length);
}

// Two runs started in the same second must not share a folder: the second gets a suffix.
std::string MakeRunFolder(const std::string& parent)
{
    const std::string base = platform::JoinPath(parent, StartTimeText());
    for (int run = 1; run <= kMaxSameSecondRuns; ++run) {
        const std::string folder = run == 1 ? base : base + "_" + std::to_string(run);
        if (mkdir(folder.c_str(), 0777) == 0)
            return folder;
        if (errno != EEXIST)
            break;
    }
    return {};
}

const char* PrefixOf(int level)
{
    switch (level) {
    case 1: return "Error: ";
    case 2: return "Warning: ";
    case 3: return "Message: ";
    default: return "Debug: ";
    }
}

// The entry ends in exactly one line end and holds at most kMaxEntryText characters with it.
std::string EntryText(const char* format, va_list args)
{
    char text[kMaxEntryText + 1];
    const int length = std::vsnprintf(text, sizeof text, format, args);
    const std::size_t kept = length < 0 ? 0 : std::min(std::size_t(length), kMaxEntryText);
    std::string entry(text, kept);
    if (!entry.empty() && entry.back() == '\n')
        entry.pop_back();
    if (entry.size() > kMaxEntryText - 1)
        entry.resize(kMaxEntryText - 1);
    return entry + '\n';
}

} // namespace

CSessionLog::CSessionLog(const std::string& operation)
{
    if (!platform::IsPlainFileName(operation))
        return;
    const std::string logs = platform::JoinPath(platform::UserDataDirectory(), "TarvelloLogs");
    const std::string parent = platform::JoinPath(logs, operation);
    if (!platform::MakeDirectories(parent))
        return;
    m_folder = MakeRunFolder(parent);
    if (!m_folder.empty())
        m_file = std::fopen(platform::JoinPath(m_folder, "Log.txt").c_str(), "ab");
}

CSessionLog::~CSessionLog()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

void CSessionLog::Append(const std::string& entry)
{
    if (m_file == nullptr)
        return;
    std::fwrite(entry.data(), 1, entry.size(), m_file);
    std::fflush(m_file);
}

int WriteSessionLog(CSessionLog* log, int level, const char* format, ...)
{
    if (log == nullptr || !log->IsOpen() || level >= 6 || format == nullptr)
        return 1;
    va_list args;
    va_start(args, format);
    const std::string text = EntryText(format, args);
    va_end(args);
    log->Append(PrefixOf(level) + text);
    return 1;
}
