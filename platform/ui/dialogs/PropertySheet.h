#pragma once

#include "platform/ui/dialogs/Dialog.h"

#include <vector>

class QPushButton;
class QStackedWidget;
class QTabBar;

enum : unsigned { PSWIZB_BACK = 0x1, PSWIZB_NEXT = 0x2, PSWIZB_FINISH = 0x4, PSWIZB_DISABLEDFINISH = 0x8 };
enum : int { ID_WIZBACK = 12323, ID_WIZNEXT = 12324, ID_WIZFINISH = 12325 };

class CPropertySheet;

// One page of a sheet. Its window and controls are made the first time it is shown.
class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId = 0, std::string caption = {});

    virtual bool OnSetActive();  // true lets the page show
    // Takes the controls' values (DoDataExchange); false keeps the user on the page.
    virtual bool OnKillActive();
    // 0 the next (previous) page, -1 stay, otherwise the template id of the page to show.
    virtual LRESULT OnWizardNext() { return 0; }
    virtual LRESULT OnWizardBack() { return 0; }
    virtual bool OnWizardFinish() { return true; }
    virtual bool OnApply() { OnOK(); return true; }
    void OnOK() override {}
    void OnCancel() override {}

    // A changed page makes the sheet's Apply button available until the changes are applied.
    void SetModified(bool modified = true);
    bool IsModified() const { return m_modified; }
    bool IsPageCreated() const { return m_created; }
    const std::string& GetCaption() const { return m_caption; }
    CPropertySheet* GetSheet() const { return m_sheet; }

private:
    friend class CPropertySheet;
    void CreatePage(QWidget* parent);

    std::string m_caption;
    CPropertySheet* m_sheet = nullptr;
    bool m_created = false;
    bool m_modified = false;
};

// Pages in tabs with OK, Cancel and Apply, or in wizard mode one page at a time with Back,
// Next (or Finish) and Cancel.
class CPropertySheet : public CDialog {
public:
    explicit CPropertySheet(std::string caption, CWnd* parent = nullptr, UINT selectPage = 0);

    void AddPage(CPropertyPage* page); // not owned
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetActiveIndex() const { return m_active; }
    bool SetActivePage(int index);
    void SetWizardMode() { m_wizard = true; }
    bool IsWizard() const { return m_wizard; }
    void SetWizardButtons(unsigned flags);
    unsigned GetWizardButtons() const { return m_wizardButtons; }

    // What the buttons do, for the window and for tests.
    void PressNext();
    void PressBack();
    void PressFinish();
    void PressOK();
    void PressApply();
    bool IsApplyEnabled() const;
    void OnCancel() override;

protected:
    bool OnInitDialog() override;
    void BuildControls(QDialog* dialog) override;

private:
    friend class CPropertyPage;
    int IndexOfTemplate(LRESULT templateId) const;
    void ShowPage(int index);
    void UpdateApplyButton();
    // Ctrl+Tab and Ctrl+PgDn (step 1), Ctrl+Shift+Tab and Ctrl+PgUp (-1), round the tabs.
    void AddPageKeys(QDialog* dialog);
    void StepPage(int step);
    void FocusActivePage();
    void KeepButtonsLastInTabOrder();

    std::vector<CPropertyPage*> m_pages;
    int m_active = -1;
    UINT m_startPage;
    bool m_wizard = false;
    unsigned m_wizardButtons = PSWIZB_NEXT;
    QStackedWidget* m_stack = nullptr;
    QTabBar* m_tabs = nullptr;
    QWidget* m_buttons = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_finish = nullptr;
    QPushButton* m_apply = nullptr;
};
