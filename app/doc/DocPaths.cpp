#include "app/doc/DocPaths.h"

#include "model/records/Item.h"


std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string BaseNameOf(const std::string& path)
{
    const std::string name = FileNameOf(path);
    return name.substr(0, name.rfind('.'));
}

std::string ExtensionOf(const std::string& path)
{
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsLibraryPath(const std::string& path)
{
    return EqualsIgnoringCase(ExtensionOf(path), "tvl");
}
