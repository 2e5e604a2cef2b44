#pragma once

// The proposal tree: one node per part of the proposal (or, in letting mode, one per proposal
// of the letting). Selecting a node shows its form beside the tree. The tree also adds and
// deletes firms and their items, and prints the bid and the quote.
#include "app/tree/NodeRef.h"
#include "controls/views/ColoredTreeView.h"
#include "model/reports/ReportPages.h"
#include "platform/ui/draw/ImageList.h"

#include <optional>
#include <string>
#include <vector>

class CBidDoc;
class CProp;
class CWinMeta;

class CBidTreeView : public CColoredTreeView {
    DECLARE_DYNCREATE(CBidTreeView)
    DECLARE_MESSAGE_MAP()
public:
    CBidTreeView();
    ~CBidTreeView() override;

    bool PreCreateWindow(CREATESTRUCT& create) override;
    void OnInitialUpdate() override;
    // 500 rebuilds the tree, 4660 applies the background again, others select a node.
    void OnUpdate(CView* sender, LPARAM hint, void* hintObject) override;

    CBidDoc* GetBidDoc() const;
    CProp* GetProp() const;

    void BuildTree();
    // Empties the tree; the document's opening flag is set until the next build.
    void RemoveAllNodes();
    // In a letting: the open proposal's nodes go, its own node stays.
    void RemoveProposalNodes();
    HTREEITEM FindNode(NodeRef node) const;
    std::optional<NodeRef> NodeOf(HTREEITEM item) const;
    std::optional<NodeRef> SelectedNode() const;
    bool SelectNode(NodeRef node);
    // The form of the node in the right pane (the blank form for none); a proposal node of the
    // letting opens that proposal.
    void ShowNodeView(const std::optional<NodeRef>& node);
    // The firm commands' menu for the node at a screen point.
    void ShowContextMenu(CPoint screenPoint);
    // The firm's items were committed or taken back outside the tree: its item nodes are listed
    // again under the firm item grid node, which keeps its place.
    void RelistFirmItems(int kind, int firm);
    // The plate a data template node stands for; empty for none.
    std::string DataTemplateName(int index) const;
    // The plate of a data template node was renamed: the node follows.
    void RenameDataTemplate(int index, const std::string& name);

    // Printing the bid: the report is built once and its pages drawn one by one.
    bool OnPreparePrinting(CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

protected:
    void OnSelChanged(NMHDR* header, LRESULT* result);
    void OnGetDispInfo(NMHDR* header, LRESULT* result);
    void OnRightClick(NMHDR* header, LRESULT* result);

    void OnAddFirm(UINT id);
    void OnUpdateAddFirm(CCmdUI* ui);
    void OnDeleteFirm(UINT id);
    void OnUpdateDeleteFirm(CCmdUI* ui);
    void OnAddFirmItem(UINT id);
    void OnUpdateAddFirmItem(CCmdUI* ui);
    void OnDeleteFirmItem(UINT id);
    void OnUpdateDeleteFirmItem(CCmdUI* ui);
    void OnPrintBid();
    void OnPrintBidDirect();
    void OnPrintQuote();
    void OnUpdateNeedsProposal(CCmdUI* ui);

private:
    HTREEITEM InsertNode(const char* text, NodeRef node, HTREEITEM parent, HTREEITEM after = TVI_LAST);
    void SetNodeIndex(HTREEITEM item, int index);
    void ApplyBackground();
    void BuildLettingRoot();
    void RebuildProposal();
    void AddProposalNodes(HTREEITEM proposal);
    void AddItemStructure(HTREEITEM schedule);
    void AddGroup(HTREEITEM parent, int row, int end);
    void AddSection(HTREEITEM parent, int row);
    void AddItem(HTREEITEM parent, int row);
    void AddFirmLists(HTREEITEM proposal);
    HTREEITEM AddFirm(HTREEITEM list, int kind, int firm, HTREEITEM after);
    void AddFirmItems(HTREEITEM grid, int kind, int firm);
    void AddFormNodes(HTREEITEM proposal);
    void AddTemplateNodes(HTREEITEM proposal);
    // Saves and checks the bid first, as the user asked; false without a proposal.
    bool BeforePrintingBid();

    // Firm commands (FirmCommands.cpp).
    HTREEITEM FirmListNode(int kind) const;
    // The form of the kind when the selected node is of the type (of that kind); null otherwise.
    CWinMeta* SelectedFirmForm(int kind, int firstType, NodeRef& selected) const;
    void ShiftFirmNodes(int kind, int from, int delta);
    void ShiftFirmItemNodes(HTREEITEM grid, int firm, int from, int delta);
    void MarkChanged();
    bool ConfirmDelete(const std::string& what, const std::string& name);

    CImageList m_images;
    std::vector<std::string> m_templateNames; // the data template nodes' plates
    CReportPages m_printPages;
};

// The tree of the main window, or null.
CBidTreeView* GetMainTreeView();
