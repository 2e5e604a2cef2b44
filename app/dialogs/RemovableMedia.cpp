#include "app/dialogs/RemovableMedia.h"

#include "platform/ui/window/PathText.h"

#include <QFileInfo>
#include <QStorageInfo>

bool IsRemovableMediaFolder(std::string_view mountFolder)
{
    for (const std::string_view root : {std::string_view("/media/"), std::string_view("/run/media/")}) {
        if (mountFolder.size() > root.size() && mountFolder.substr(0, root.size()) == root)
            return true;
    }
    return false;
}

std::vector<std::string> ListRemovableMedia()
{
    std::vector<std::string> media;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const std::string folder = platform::ToLocal8(volume.rootPath());
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly() &&
            IsRemovableMediaFolder(folder) && QFileInfo(volume.rootPath()).isWritable())
            media.push_back(folder);
    }
    return media;
}
