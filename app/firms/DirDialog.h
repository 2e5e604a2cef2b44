#pragma once

// The folder chooser of Open Letting: a folder dialog that starts at a chosen folder and, when a
// root is set, offers only the root and the folders below it.
#include <string>

class CDirDialog {
public:
    // True when a folder was chosen; its path is then m_strPath. A root that is no folder
    // answers false without showing anything.
    bool DoBrowse();

    std::string m_strPath;         // the folder chosen
    std::string m_strRootFolder;   // empty: any folder
    std::string m_strSelectedFolder; // where the dialog starts; empty: at the root
    std::string m_strTitle;        // empty: "Open"
};
