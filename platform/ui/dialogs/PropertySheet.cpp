#include "platform/ui/dialogs/PropertySheet.h"

#include "platform/ui/window/WinText.h"

#include <QDialog>
#include <algorithm>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

bool IsTabStopOf(const QWidget* page, const QWidget* widget)
{
    return page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
           widget->isVisibleTo(page);
}

// The control of the page that Tab goes to from `from`.
QWidget* NextTabStop(QWidget* from, QWidget* page)
{
    for (QWidget* widget = from->nextInFocusChain(); widget != from; widget = widget->nextInFocusChain())
        if (IsTabStopOf(page, widget))
            return widget;
    return nullptr;
}

} // namespace

CPropertyPage::CPropertyPage(UINT templateId, std::string caption)
    : CDialog(templateId), m_caption(std::move(caption))
{
}

bool CPropertyPage::OnSetActive()
{
    return true;
}

bool CPropertyPage::OnKillActive()
{
    return UpdateData(true);
}

void CPropertyPage::SetModified(bool modified)
{
    m_modified = modified;
    if (m_sheet)
        m_sheet->UpdateApplyButton();
}

void CPropertyPage::CreatePage(QWidget* parent)
{
    CreateModalWindow(parent);
    ModalWindow()->setWindowFlags(Qt::Widget);
    // The sheet is as large as its pages' templates.
    ModalWindow()->setMinimumSize(ModalWindow()->size());
    m_created = true;
}

CPropertySheet::CPropertySheet(std::string caption, CWnd* parent, UINT selectPage)
    : CDialog(0, parent), m_startPage(selectPage)
{
    SetTitle(std::move(caption));
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    page->m_sheet = this;
    m_pages.push_back(page);
    if (m_tabs)
        m_tabs->addTab(platform::ToQString(page->GetCaption()));
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[std::size_t(index)] : nullptr;
}

void CPropertySheet::BuildControls(QDialog* dialog)
{
    auto* layout = new QVBoxLayout(dialog);
    if (!m_wizard) {
        m_tabs = new QTabBar(dialog);
        // Every tab is shown whole: the sheet is as wide as its tabs need.
        m_tabs->setUsesScrollButtons(false);
        m_tabs->setExpanding(false);
        for (CPropertyPage* page : m_pages)
            m_tabs->addTab(platform::ToQString(page->GetCaption()));
        // A click or the arrow keys on the tabs; a page that refuses to be left keeps its tab.
        QObject::connect(m_tabs, &QTabBar::currentChanged, dialog, [this](int index) {
            if (index >= 0 && index != m_active && m_stack && !SetActivePage(index) && m_tabs)
                m_tabs->setCurrentIndex(m_active);
        });
        layout->addWidget(m_tabs);
        AddPageKeys(dialog);
    }
    m_stack = new QStackedWidget(dialog);
    layout->addWidget(m_stack, 1);
    auto* buttons = new QDialogButtonBox(dialog);
    m_buttons = buttons;
    if (m_wizard) {
        m_back = buttons->addButton(QStringLiteral("< &Back"), QDialogButtonBox::ActionRole);
        m_next = buttons->addButton(QStringLiteral("&Next >"), QDialogButtonBox::ActionRole);
        m_finish = buttons->addButton(QStringLiteral("&Finish"), QDialogButtonBox::ActionRole);
        QObject::connect(m_back, &QPushButton::clicked, dialog, [this] { PressBack(); });
        QObject::connect(m_next, &QPushButton::clicked, dialog, [this] { PressNext(); });
        QObject::connect(m_finish, &QPushButton::clicked, dialog, [this] { PressFinish(); });
    } else {
        QObject::connect(buttons->addButton(QDialogButtonBox::Ok), &QPushButton::clicked, dialog,
                         [this] { PressOK(); });
        m_apply = buttons->addButton(QDialogButtonBox::Apply);
        QObject::connect(m_apply, &QPushButton::clicked, dialog, [this] { PressApply(); });
    }
    QObject::connect(buttons->addButton(QDialogButtonBox::Cancel), &QPushButton::clicked, dialog,
                     [this] { OnCancel(); });
    layout->addWidget(buttons);
    SetWizardButtons(m_wizardButtons);
    UpdateApplyButton();
}

bool CPropertySheet::IsApplyEnabled() const
{
    return std::any_of(m_pages.begin(), m_pages.end(),
                       [](const CPropertyPage* page) { return page->IsModified(); });
}

void CPropertySheet::UpdateApplyButton()
{
    if (m_apply)
        m_apply->setEnabled(IsApplyEnabled());
}

bool CPropertySheet::OnInitDialog()
{
    if (!m_pages.empty())
        SetActivePage(m_startPage < m_pages.size() ? int(m_startPage) : 0);
    return true;
}

void CPropertySheet::AddPageKeys(QDialog* dialog)
{
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), dialog);
        QObject::connect(shortcut, &QShortcut::activated, dialog, [this, step = step] { StepPage(step); });
    }
}

void CPropertySheet::StepPage(int step)
{
    const int count = GetPageCount();
    if (count > 1 && m_active >= 0)
        SetActivePage((m_active + step + count) % count);
}

void CPropertySheet::ShowPage(int index)
{
    CPropertyPage* page = m_pages[std::size_t(index)];
    if (!page->IsPageCreated()) {
        page->CreatePage(m_stack);
        m_stack->addWidget(page->ModalWindow());
        // The tabs are written in the pages' font, as the pages' own texts are.
        if (m_tabs && m_stack->count() == 1)
            m_tabs->setFont(page->ModalWindow()->font());
        KeepButtonsLastInTabOrder();
    }
    m_stack->setCurrentWidget(page->ModalWindow());
    m_active = index;
    if (m_tabs)
        m_tabs->setCurrentIndex(index);
}

// A page joins the window's tab order wherever Qt puts it; the buttons and then the tabs are moved
// after the pages, so that Tab goes round tabs, page, buttons, as on Windows.
void CPropertySheet::KeepButtonsLastInTabOrder()
{
    QWidget* window = ModalWindow();
    const auto isFrame = [this](QWidget* widget) {
        return m_buttons->isAncestorOf(widget) || (m_tabs && (widget == m_tabs || m_tabs->isAncestorOf(widget)));
    };
    std::vector<QWidget*> buttons;
    for (QWidget* widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain())
        if (m_buttons->isAncestorOf(widget))
            buttons.push_back(widget);
    if (m_tabs)
        buttons.push_back(m_tabs);
    QWidget* previous = window->previousInFocusChain();
    while (previous != window && isFrame(previous))
        previous = previous->previousInFocusChain();
    for (QWidget* button : buttons) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

void CPropertySheet::FocusActivePage()
{
    // The tabs come right before the pages in the tab order; a wizard has none.
    QWidget* before = m_tabs ? static_cast<QWidget*>(m_tabs) : ModalWindow();
    if (QWidget* first = NextTabStop(before, m_pages[std::size_t(m_active)]->ModalWindow()))
        first->setFocus(Qt::TabFocusReason);
}

bool CPropertySheet::SetActivePage(int index)
{
    if (!GetPage(index) || !m_stack)
        return false;
    if (CPropertyPage* current = GetPage(m_active); current && index != m_active &&
                                                    !current->OnKillActive())
        return false;
    const int previous = m_active;
    // The keyboard goes to the page shown, unless it is on the tabs.
    const bool onTabs = m_tabs && ModalWindow()->focusWidget() == m_tabs;
    ShowPage(index);
    if (!m_pages[std::size_t(index)]->OnSetActive() && previous >= 0) {
        ShowPage(previous);
        return false;
    }
    if (!onTabs)
        FocusActivePage();
    return true;
}

void CPropertySheet::SetWizardButtons(unsigned flags)
{
    m_wizardButtons = flags;
    if (!m_back)
        return;
    m_back->setEnabled(flags & PSWIZB_BACK);
    const bool finish = flags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH);
    m_next->setVisible(!finish);
    m_next->setEnabled(flags & PSWIZB_NEXT);
    m_finish->setVisible(finish);
    m_finish->setEnabled(flags & PSWIZB_FINISH);
}

int CPropertySheet::IndexOfTemplate(LRESULT templateId) const
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (LRESULT(m_pages[std::size_t(i)]->GetTemplateId()) == templateId)
            return i;
    return -1;
}

void CPropertySheet::PressNext()
{
    CPropertyPage* page = GetPage(m_active);
    if (!page || !(m_wizardButtons & PSWIZB_NEXT))
        return;
    const LRESULT answer = page->OnWizardNext();
    if (answer != -1)
        SetActivePage(answer == 0 ? m_active + 1 : IndexOfTemplate(answer));
}

void CPropertySheet::PressBack()
{
    CPropertyPage* page = GetPage(m_active);
    if (!page || !(m_wizardButtons & PSWIZB_BACK))
        return;
    const LRESULT answer = page->OnWizardBack();
    if (answer != -1)
        SetActivePage(answer == 0 ? m_active - 1 : IndexOfTemplate(answer));
}

void CPropertySheet::PressFinish()
{
    CPropertyPage* page = GetPage(m_active);
    if (page && (m_wizardButtons & PSWIZB_FINISH) && page->OnWizardFinish())
        EndDialog(ID_WIZFINISH);
}

void CPropertySheet::PressApply()
{
    if (CPropertyPage* page = GetPage(m_active); page && !page->OnKillActive())
        return;
    for (CPropertyPage* page : m_pages)
        if (page->IsPageCreated() && page->OnApply())
            page->SetModified(false);
    UpdateApplyButton();
}

void CPropertySheet::PressOK()
{
    if (CPropertyPage* page = GetPage(m_active); page && !page->OnKillActive())
        return;
    for (CPropertyPage* page : m_pages)
        if (page->IsPageCreated())
            page->OnOK();
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel()
{
    for (CPropertyPage* page : m_pages)
        if (page->IsPageCreated())
            page->OnCancel();
    EndDialog(IDCANCEL);
}
