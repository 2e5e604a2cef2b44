#include "platform/ui/controls/Edit.h"

#include "platform/ui/controls/EditKeys.h"
#include "platform/ui/window/WinText.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <climits>

namespace {

// An edit control pastes text and nothing else. Qt 6.4 on X11 crashes pasting an empty
// clipboard into a plain text edit; this one leaves such a paste alone.
class TextOnlyEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override { return source && source->hasText(); }
    void insertFromMimeData(const QMimeData* source) override
    {
        if (canInsertFromMimeData(source))
            QPlainTextEdit::insertFromMimeData(source);
    }
};

constexpr int kNoLimit = INT_MAX;

} // namespace

QLineEdit* CEdit::Line() const
{
    return qobject_cast<QLineEdit*>(GetWidget());
}

QPlainTextEdit* CEdit::Multi() const
{
    return qobject_cast<QPlainTextEdit*>(GetWidget());
}

QWidget* CEdit::CreateWidget(QWidget* parent, DWORD style)
{
    if (style & ES_MULTILINE) {
        auto* edit = new TextOnlyEdit(parent);
        edit->setLineWrapMode(style & WS_HSCROLL ? QPlainTextEdit::NoWrap
                                                 : QPlainTextEdit::WidgetWidth);
        edit->setTabChangesFocus(true); // Tab is the dialog's, as in a Windows edit
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(kNoLimit); // the limit binds typing only, never text set by the program
    return edit;
}

bool CEdit::CanAdopt(const QWidget* widget) const
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

void CEdit::ConnectWidget()
{
    if (QLineEdit* line = Line())
        QObject::connect(line, &QLineEdit::textChanged, Context(), Guard([this] { TextChanged(); }));
    else if (QPlainTextEdit* multi = Multi())
        QObject::connect(multi, &QPlainTextEdit::textChanged, Context(), Guard([this] { TextChanged(); }));
    GetWidget()->setFocusPolicy(Qt::StrongFocus);
    m_lastText = WidgetText();
}

void CEdit::ApplyStyle(DWORD oldStyle, DWORD oldExStyle)
{
    CWnd::ApplyStyle(oldStyle, oldExStyle);
    const DWORD style = GetStyle();
    const bool framed = (style & WS_BORDER) || (GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    GetWidget()->setProperty("readOnly", bool(style & ES_READONLY));
    if (QLineEdit* line = Line()) {
        line->setAlignment((style & 3) == ES_RIGHT    ? Qt::AlignRight
                           : (style & 3) == ES_CENTER ? Qt::AlignHCenter
                                                      : Qt::AlignLeft);
        line->setFrame(framed);
        line->setEchoMode(style & ES_PASSWORD ? QLineEdit::Password : QLineEdit::Normal);
    } else if (QPlainTextEdit* multi = Multi()) {
        multi->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
    }
}

UINT CEdit::CtlColorKind() const
{
    // A read-only edit is coloured like a static, as on Windows.
    return GetStyle() & ES_READONLY ? CTLCOLOR_STATIC : CTLCOLOR_EDIT;
}

void CEdit::TextChanged()
{
    // A keystroke refused by the limit changes nothing and is not announced.
    if (!m_settingText && EnforceLimit() && WidgetText() == m_lastText)
        return;
    m_lastText = WidgetText();
    // Before the new text is shown, then after: the order a Windows edit tells its parent.
    NotifyParent(EN_UPDATE);
    NotifyParent(EN_CHANGE);
}

// Typing past the limit keeps only what fits, cutting the newly typed characters (they lie
// just before the cursor), as Windows does.
bool CEdit::EnforceLimit()
{
    if (m_limit == 0)
        return false;
    if (QLineEdit* line = Line()) {
        QString text = line->text();
        int excess = int(text.size()) - int(m_limit);
        if (excess <= 0)
            return false;
        int cursor = line->cursorPosition();
        int from = std::max(0, cursor - excess);
        text.remove(from, cursor - from);
        text.truncate(int(m_limit));
        const QSignalBlocker block(line);
        line->setText(text);
        line->setCursorPosition(from);
        return true;
    }
    QPlainTextEdit* multi = Multi();
    int excess = int(multi->document()->characterCount() - 1) - int(m_limit);
    if (excess <= 0)
        return false;
    QTextCursor cursor = multi->textCursor();
    int end = cursor.position();
    cursor.setPosition(std::max(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QSignalBlocker block(multi);
    cursor.removeSelectedText();
    return true;
}

void CEdit::SetLimitText(UINT maxChars)
{
    m_limit = maxChars;
}

void CEdit::SetWidgetText(const QString& text)
{
    const QScopedValueRollback<bool> programText(m_settingText, true);
    if (QLineEdit* line = Line())
        line->setText(text);
    else
        Multi()->setPlainText(text);
}

QString CEdit::WidgetText() const
{
    if (QLineEdit* line = Line())
        return line->text();
    // Lines end with CR LF in the text the program reads, as on Windows.
    return Multi()->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void CEdit::SetSel(int start, int end, bool)
{
    if (!GetWidget())
        return;
    if (QLineEdit* line = Line()) {
        int length = int(line->text().size());
        if (start < 0) {
            line->deselect();
            return;
        }
        if (end < 0 || end > length)
            end = length;
        start = std::min(start, length);
        line->setSelection(start, end - start);
        return;
    }
    QTextCursor cursor = Multi()->textCursor();
    int length = int(Multi()->document()->characterCount() - 1);
    if (start < 0) {
        cursor.clearSelection();
    } else {
        if (end < 0 || end > length)
            end = length;
        cursor.setPosition(std::min(start, length));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    }
    Multi()->setTextCursor(cursor);
}

void CEdit::GetSel(int& start, int& end) const
{
    start = end = 0;
    if (!GetWidget())
        return;
    if (QLineEdit* line = Line()) {
        if (line->hasSelectedText()) {
            start = line->selectionStart();
            end = line->selectionEnd();
        } else {
            start = end = line->cursorPosition();
        }
        return;
    }
    QTextCursor cursor = Multi()->textCursor();
    start = cursor.selectionStart();
    end = cursor.selectionEnd();
}

DWORD CEdit::GetSel() const
{
    int start, end;
    GetSel(start, end);
    return MAKELONG(WORD(std::min(start, 0xFFFF)), WORD(std::min(end, 0xFFFF)));
}

void CEdit::ReplaceSel(std::string_view text, bool)
{
    if (!GetWidget())
        return;
    QString q = platform::ToQString(text);
    if (QLineEdit* line = Line())
        line->insert(q);
    else
        Multi()->insertPlainText(q);
}

void CEdit::SetReadOnly(bool readOnly)
{
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
}

bool CEdit::IsReadOnly() const
{
    return GetStyle() & ES_READONLY;
}

void CEdit::ScrollCaret()
{
    if (QPlainTextEdit* multi = Multi())
        multi->ensureCursorVisible();
    else if (QLineEdit* line = Line(); line && !line->hasSelectedText())
        line->setCursorPosition(line->cursorPosition()); // a selection keeps its caret in view
}

void CEdit::Clear()
{
    if (QLineEdit* line = Line())
        line->del();
    else if (QPlainTextEdit* multi = Multi())
        multi->textCursor().removeSelectedText();
}

void CEdit::Copy()
{
    if (QLineEdit* line = Line())
        line->copy();
    else if (QPlainTextEdit* multi = Multi())
        multi->copy();
}

void CEdit::Cut()
{
    if (QLineEdit* line = Line())
        line->cut();
    else if (QPlainTextEdit* multi = Multi())
        multi->cut();
}

void CEdit::Paste()
{
    if (QLineEdit* line = Line())
        line->paste();
    else if (QPlainTextEdit* multi = Multi())
        multi->paste();
}

LRESULT CEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case EM_GETSEL: {
        int start, end;
        GetSel(start, end);
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = DWORD(start);
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = DWORD(end);
        return LRESULT(GetSel());
    }
    case EM_SETSEL: SetSel(int(wParam), int(lParam)); return 0;
    case EM_REPLACESEL:
        ReplaceSel(lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
        return 0;
    case EM_LIMITTEXT: SetLimitText(UINT(wParam)); return 0;
    case EM_SETREADONLY: SetReadOnly(wParam != 0); return 1;
    case EM_SCROLLCARET: ScrollCaret(); return 1;
    case WM_CLEAR: Clear(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_PASTE: Paste(); return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CEdit::OnSetFocus(CWnd*)
{
    NotifyParent(EN_SETFOCUS);
}

void CEdit::OnKillFocus(CWnd*)
{
    NotifyParent(EN_KILLFOCUS);
}

bool CEdit::MayKeepFromAccelerators(const QKeyEvent& key) const
{
    return platform::IsEditControlKey(key);
}
