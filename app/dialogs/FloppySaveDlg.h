#pragma once

#include "app/dialogs/RemovableMedia.h"
#include "platform/ui/dialogs/Dialog.h"

#include <string>
#include <vector>

// After saving: offers to copy the file to one of the removable drives mounted, and whether to
// ask again next time. With none mounted it says so and offers only Cancel.
class CFloppySaveDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT IDD = 212;
    static constexpr UINT IDC_SAVE = 4;
    static constexpr UINT IDC_LIST = 1045;
    static constexpr UINT IDC_ASK_AGAIN = 1082;
    static constexpr UINT IDC_NO_MEDIA = 1083;

    // The mount folders of the drives to offer.
    explicit CFloppySaveDlg(std::vector<std::string> media = ListRemovableMedia(), CWnd* parent = nullptr);

    bool OnInitDialog() override;
    void OnCancel() override;

    std::string m_strDrive; // the chosen drive's mount folder; empty for none
    int m_bAskAgain = 1;

protected:
    void OnSave();

private:
    void TakeAskAgain();

    std::vector<std::string> m_media;
};
