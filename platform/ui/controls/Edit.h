#pragma once

// An edit control, single- or multi-line. Positions count characters, which are the bytes of
// the Windows-1252 text.
#include "platform/ui/window/Wnd.h"

#include <QString>

constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_RIGHT = 0x0002;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_PASSWORD = 0x0020;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;

constexpr UINT EM_GETSEL = 0x00B0;
constexpr UINT EM_SETSEL = 0x00B1;
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_REPLACESEL = 0x00C2;
constexpr UINT EM_LIMITTEXT = 0x00C5;
constexpr UINT EM_SETREADONLY = 0x00CF;
constexpr UINT WM_CUT = 0x0300;
constexpr UINT WM_COPY = 0x0301;
constexpr UINT WM_PASTE = 0x0302;

class QLineEdit;
class QPlainTextEdit;

class CEdit : public CWnd {
public:
    // 0 lifts the limit.
    void SetLimitText(UINT maxChars);
    void LimitText(UINT maxChars = 0) { SetLimitText(maxChars); }
    UINT GetLimitText() const { return m_limit; }
    // end -1 selects to the end; start -1 removes the selection.
    void SetSel(int start, int end, bool noScroll = false);
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void ReplaceSel(std::string_view text, bool canUndo = false); // Windows-1252
    void SetReadOnly(bool readOnly = true);
    bool IsReadOnly() const;
    void Clear(); // deletes the selection
    void Copy();
    void Cut();
    void Paste();
    void ScrollCaret(); // brings the caret into view
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string GetClassName() const override { return "Edit"; }

    void OnSetFocus(CWnd* losing) override;
    void OnKillFocus(CWnd* gaining) override;
    bool MayKeepFromAccelerators(const QKeyEvent& key) const override;

protected:
    QWidget* CreateWidget(QWidget* parent, DWORD style) override;
    void ConnectWidget() override;
    bool CanAdopt(const QWidget* widget) const override;
    bool PaintsItself() const override { return false; }
    UINT CtlColorKind() const override;
    void ApplyStyle(DWORD oldStyle, DWORD oldExStyle) override;
    void SetWidgetText(const QString& text) override;
    QString WidgetText() const override;

private:
    bool EnforceLimit(); // true when typed text was cut to the limit
    void TextChanged();
    QLineEdit* Line() const;
    QPlainTextEdit* Multi() const;

    UINT m_limit = 0;
    bool m_settingText = false;
    QString m_lastText;
};
