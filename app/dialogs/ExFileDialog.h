#pragma once

#include "platform/ui/dialogs/ModalServices.h"

#include <string>
#include <string_view>

class CWnd;

// The file dialog of the flat-file import and export: picking another file type gives the name
// typed so far that type's extension, so that the name and the type stay in step.
class CExFileDialog {
public:
    CExFileDialog(bool openFileDialog, std::string defaultExtension, std::string fileName,
                  unsigned flags, std::string filter);

    int DoModal(); // IDOK or IDCANCEL
    std::string GetPathName() const { return m_strPathName; }
    int GetFilterIndex() const { return m_iFilterIndex; }

    // Title, initial folder and the file type shown first (from 1) may be set before DoModal.
    platform::FileDialogRequest m_ofn;

private:
    std::string m_strPathName;
    int m_iFilterIndex = 1;
};

// The typed name for a newly picked type: its part before the last "." of the file's own name
// (all of it without one), then the type's pattern from its second character on while those
// are characters a file name may hold ("*.CSV" gives ".CSV", "*.*" only "."), at most 259 in all.
std::string NameForFileType(std::string_view typedName, std::string_view pattern);
