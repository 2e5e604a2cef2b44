#pragma once

// The modeless Find and Replace dialogs. Each button pressed is told to the owner through the
// registered message FINDMSGSTRING, its lParam the dialog (GetNotifier); the owner reads from
// it what to do. Closing the dialog tells the owner once more, with IsTerminating().
#include "platform/ui/dialogs/Dialog.h"

#include <string>

constexpr const char* FINDMSGSTRING = "commdlg_FindReplace";

constexpr DWORD FR_DOWN = 0x00000001;
constexpr DWORD FR_WHOLEWORD = 0x00000002;
constexpr DWORD FR_MATCHCASE = 0x00000004;
constexpr DWORD FR_FINDNEXT = 0x00000008;
constexpr DWORD FR_REPLACE = 0x00000010;
constexpr DWORD FR_REPLACEALL = 0x00000020;
constexpr DWORD FR_DIALOGTERM = 0x00000040;

// Control ids of the two dialogs.
enum : UINT {
    IDC_REPLACE = 1024, IDC_REPLACE_ALL, IDC_WHOLE_WORD = 1040, IDC_MATCH_CASE,
    IDC_SEARCH_UP = 1056, IDC_SEARCH_DOWN, IDC_FIND_WHAT = 1152, IDC_REPLACE_WITH,
};

class CFindReplaceDialog : public CDialog {
public:
    CFindReplaceDialog();

    // Shows the Find dialog, or with findOnly false the Replace dialog, over the owner, which
    // hears of every request. Texts are Windows-1252. False when the dialog is shown already.
    bool Create(bool findOnly, const char* findWhat, const char* replaceWith, DWORD flags, CWnd* owner);
    static CFindReplaceDialog* GetNotifier(LPARAM lParam);

    std::string GetFindString() const { return m_find; }
    std::string GetReplaceString() const { return m_replace; }
    bool SearchDown() const { return m_flags & FR_DOWN; }
    bool MatchCase() const { return m_flags & FR_MATCHCASE; }
    bool MatchWholeWord() const { return m_flags & FR_WHOLEWORD; }
    bool FindNext() const { return m_flags & FR_FINDNEXT; }
    bool ReplaceCurrent() const { return m_flags & FR_REPLACE; }
    bool ReplaceAll() const { return m_flags & FR_REPLACEALL; }
    bool IsTerminating() const { return m_flags & FR_DIALOGTERM; }

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void ReadControls();
    void Tell(DWORD request);

    CWnd* m_owner = nullptr;
    DWORD m_flags = FR_DOWN;
    std::string m_find;
    std::string m_replace;
};
