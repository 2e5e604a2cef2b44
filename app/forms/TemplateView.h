#pragma once

// A form that the agency defines in the proposal (the bid bond, the DBE, MBE and WBE firms, the
// miscellaneous data): one control per field, laid out from the form's own geometry and font,
// showing the cells of the current row. What the bidder types is checked and stored in the
// row's cells at once; the row's completeness and Check Zod follow every change.
#include "app/forms/TemplateGeometry.h"
#include "app/views/DV2.h"

#include <memory>
#include <string>
#include <vector>

class CBidDoc;
class CComboBox;
class CCellData;
class CFieldInfo;
class CProp;
class CRowData;
class CToolTipCtrl;
class CWinMeta;

// Checks and rewrites the text of a number, money or date field; 1 when it was refused (the
// message was shown), 0 otherwise.
int ValidateTemplateValue(CWnd& control, int kind, int width, const CProp* prop);

class CDV_Template : public CDV2 {
    DECLARE_DYNAMIC(CDV_Template)
    DECLARE_MESSAGE_MAP()
public:
    static constexpr UINT kFirstFieldId = 5000;
    static constexpr UINT kLastFieldId = 5500;
    static constexpr int kMaxFields = int(kLastFieldId - kFirstFieldId) + 1;

    CDV_Template();
    ~CDV_Template() override;

    // The form shown: by default the proposal's firm form of GetFirmType.
    virtual CWinMeta* GetTemplate();
    // The row at the index (below 0: the current row); null without a form or such a row.
    virtual CRowData* GetTemplateRecord(int index);
    // Recomputes what depends on the shown row after a change; true when that changed.
    virtual bool RefreshRecordState();
    // 1 DBE, 2 MBE, 3 WBE; 0 for a form that is no firm form.
    virtual int GetFirmType() const;
    // The row shown: the node's index.
    virtual int GetCurrentIndex() const;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    bool DestroyWindow() override;

    CBidDoc* GetBidDoc() const;
    CProp* GetProp() const;
    // The control of a field, null where none was made.
    CWnd* GetFieldControl(int field) const;
    int GetFieldCount() const { return int(m_controls.size()); }
    const CRect& GetFormExtent() const { return m_formExtent; }

    // Shows the current row's cell of the field in its control.
    void UpdateTemplateControl(int field);
    // Every field; the field count.
    int RefreshTemplateControls();
    // Stores the control's value into the current row's cell; false when the value was refused.
    bool StoreTemplateValue(UINT id);
    // After a stored change: the row's completeness, the record state, Check Zod and the tree.
    void RefreshTemplateView(CWinMeta* form);
    // Shows the field's picture in its control, sized to it; false without one.
    bool SetTemplateBitmap(int field);
    // Every field's control is enabled, or not, but keep1 and keep2 are enabled.
    void EnableTemplateControls(bool enable, int keep1, int keep2);

protected:
    void OnTemplateChange(UINT id);
    void OnTemplateBrowse(UINT id);
    void OnChar(UINT charCode, UINT repeatCount, UINT flags) override;
    bool OnMouseWheel(UINT flags, short delta, CPoint screenPoint) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    CBrush* OnCtlColor(CDC* dc, CWnd* child, UINT ctlColor) override;

    // The field of a control id; -1 outside the form's fields.
    int FieldOfId(UINT id) const;
    CFieldInfo* GetField(int field);
    // The current row's cell of the field, made when the row lacks it; null without the row.
    CCellData* GetCurrentCell(int field);
    // A window the view made besides the fields' controls, deleted with the view.
    template <class Window>
    Window* Own(std::unique_ptr<Window> window)
    {
        Window* made = window.get();
        m_ownedWindows.push_back(std::move(window));
        return made;
    }
    void MarkModified();
    // The form font's measures for the layout.
    FormMetrics Metrics() const;

    CFont m_boldFont;

private:
    void ExpandRadioGroups(CWinMeta& form);
    void LayoutFields(CWinMeta& form);
    // Makes the field's control; the rectangle becomes the control's.
    void CreateTemplateControl(CRect& rect, int field);
    std::unique_ptr<CWnd> MakeFieldControl(const CFieldInfo& field, CRect& rect, UINT id);
    void FillTemplateList(int field);
    void ShowPickListError(const std::string& error) const;
    void EnableToolTips();
    void GrowRectangleForKind(const CFieldInfo& field, CRect& rect, bool textLayout) const;

    // Storing by kind (TemplateStore.cpp).
    bool StoreEditValue(CFieldInfo& field, CWnd& control, CCellData& cell);
    void StoreYesNoValue(CWnd& control, CCellData& cell);
    void StoreListValue(int field, CWnd& control, CCellData& cell);
    void FollowLinkedFields(int field, int selection);
    void StoreRadioValue(int field, CWnd& control, CCellData& cell);
    void StoreAttachment(CWnd& control, CCellData& cell);
    void ReleaseAttachment(CCellData& cell);
    void TakeAttachment(CWnd& control, CCellData& cell, const std::string& path);
    void MoveToNextField();
    void ShowListSelection(int field, CComboBox& box, const CCellData* cell);
    void DrawFormText(CDC& dc, const CWinMeta& form);

    std::vector<std::unique_ptr<CWnd>> m_controls;
    std::vector<std::unique_ptr<CWnd>> m_browseButtons;
    std::vector<std::unique_ptr<CWnd>> m_ownedWindows;
    // The entry each list shows, to tell the bidder's choice from what the view showed.
    std::vector<int> m_shownSelections;
    std::unique_ptr<CToolTipCtrl> m_toolTips;
    CRect m_formExtent;
    std::string m_toolTipText;
};
