#include "model/settings/FileTypes.h"

#include "platform/core/Environment.h"
#include "platform/core/Files.h"
#include "platform/core/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// Characters after which a desktop entry's command line needs its argument in quotes.
constexpr std::string_view kReservedInExec = " \t\"'\\><~|&;$*?#()`";

// An argument of the Exec key, then escaped as a desktop entry string value.
std::string ExecArgument(std::string_view argument)
{
    std::string quoted;
    const bool needsQuotes = argument.find_first_of(kReservedInExec) != std::string_view::npos;
    for (char c : argument) {
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\'))
            quoted += '\\';
        quoted += c;
        if (c == '%')
            quoted += '%';
    }
    if (needsQuotes)
        quoted = '"' + quoted + '"';
    std::string escaped;
    for (char c : quoted) {
        if (c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

bool HasControlCharacters(std::string_view text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::string DataHome()
{
    return platform::FolderOf(platform::UserDataDirectory());
}

// Writes the file unless it already holds the text; true when it was written.
bool WriteIfChanged(const std::string& path, const std::string& text)
{
    if (text.empty() || platform::ReadWholeFile(path, nullptr, text.size() + 1) == text)
        return false;
    return platform::MakeDirectories(platform::FolderOf(path)) &&
           platform::WriteFileAtomically(path, text);
}

// Runs a desktop tool on a folder, quietly; a tool that is not installed is no failure.
void RunToolIfPresent(const char* tool, const std::string& folder)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(tool), const_cast<char*>(folder.c_str()), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, tool, &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        while (waitpid(child, &status, 0) == -1 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

std::string MimePackageText()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + std::string(kProposalMimeType) + "\">\n"
           "    <comment>Zod.Document</comment>\n"
           "    <glob pattern=\"*.tvb\"/>\n"
           "    <glob pattern=\"*.tvl\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string DesktopEntryText(std::string_view programPath)
{
    if (programPath.empty() || HasControlCharacters(programPath))
        return {};
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zod\n"
           "Comment=Price a bid for a public construction contract\n"
           "Exec=" + ExecArgument(programPath) + " %f\n"
           "MimeType=" + std::string(kProposalMimeType) + ";\n"
           "Terminal=false\n"
           "Categories=Office;\n";
}

bool RegisterFileTypes()
{
    const std::string home = DataHome();
    const bool mime = WriteIfChanged(platform::JoinPath(home, kMimePackageFile), MimePackageText());
    const bool desktop = WriteIfChanged(platform::JoinPath(home, kDesktopEntryFile),
                                        DesktopEntryText(platform::ExecutablePath()));
    if (mime)
        RunToolIfPresent("update-mime-database", platform::JoinPath(home, "mime"));
    if (desktop)
        RunToolIfPresent("update-desktop-database", platform::JoinPath(home, "applications"));
    return mime || desktop;
}
