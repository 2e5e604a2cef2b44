#include "app/dialogs/ExFileDialog.h"

#include "platform/ui/dialogs/FileFilter.h"

#include <cstring>

namespace {

constexpr std::size_t kMaxName = 259;

// Letters and digits, some punctuation, and every character from 127 up; a zero ends a name.
bool IsFileNameCharacter(char c)
{
    const auto code = static_cast<unsigned char>(c);
    const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    return code >= 127 || letterOrDigit || (c != '\0' && std::strchr("$%'-_@ ~`!()^#&+,.=[]", c));
}

} // namespace

std::string NameForFileType(std::string_view typedName, std::string_view pattern)
{
    // Only the file's own name: a dot in a folder's name is no extension.
    const std::size_t slash = typedName.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = typedName.find_last_of('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= nameStart;
    std::string name(typedName.substr(0, hasExtension ? dot : typedName.size()));
    for (std::size_t i = 1; i < pattern.size() && IsFileNameCharacter(pattern[i]); ++i)
        name += pattern[i];
    if (name.size() > kMaxName)
        name.resize(kMaxName);
    return name;
}

CExFileDialog::CExFileDialog(bool openFileDialog, std::string defaultExtension, std::string fileName,
                             unsigned flags, std::string filter)
{
    m_ofn.open = openFileDialog;
    m_ofn.defaultExtension = std::move(defaultExtension);
    m_ofn.initialName = std::move(fileName);
    m_ofn.flags = flags;
    m_ofn.filter = std::move(filter);
}

int CExFileDialog::DoModal()
{
    platform::FileDialogRequest request = m_ofn;
    const std::vector<platform::FileFilterEntry> types = platform::ParseFileFilter(request.filter);
    request.onTypeChange = [types](int index, const std::string& typedName) {
        if (index < 1 || std::size_t(index) > types.size() || types[std::size_t(index) - 1].patterns.empty())
            return std::string();
        return NameForFileType(typedName, types[std::size_t(index) - 1].patterns.front());
    };
    const std::optional<platform::FileDialogResult> chosen = platform::Modal().FileDialog(request);
    if (!chosen)
        return IDCANCEL;
    m_strPathName = chosen->path;
    m_iFilterIndex = chosen->filterIndex;
    return IDOK;
}
