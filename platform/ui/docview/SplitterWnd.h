#pragma once

// A static splitter: a fixed grid of panes (views, or nested splitters) with bars between them
// that the user drags. Column widths and row heights are kept as ideal and minimum sizes; the
// last column and row take what is left. Pane (row, col) has the id AFX_IDW_PANE_FIRST +
// row * 16 + col.
#include "platform/ui/docview/RuntimeClass.h"
#include "platform/ui/window/Wnd.h"

#include <map>
#include <memory>
#include <vector>

class CView;
struct CCreateContext;

class CSplitterWnd : public CWnd, public CRuntimeObject {
    DECLARE_DYNCREATE(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    static constexpr int kMaxPanes = 16;
    // Rows and columns from 1 to 16; false when out of range or the window cannot be made.
    bool CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = 0);
    // Makes a view of the class in an empty pane; the view belongs to its window (destroying
    // the window deletes it). size gives the column's and row's ideal size. False when the
    // pane is taken or out of range.
    bool CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE size,
                    CCreateContext* context);
    // Destroys the pane's window, and with it a view made by class, and empties the pane. A
    // view given another id is no longer a pane: it stays, with whoever keeps it.
    void DeleteView(int row, int col);
    // Deletes the pane's view and makes one of another class in its place, with the same
    // document; the frame's active view moves to it when the old one was active. The caller
    // runs its initial update after giving it what it shows. Null on failure (the pane is
    // then empty).
    CView* ReplaceView(int row, int col, const CRuntimeClass* viewClass, SIZE size);

    int GetRowCount() const { return m_rows; }
    int GetColumnCount() const { return m_cols; }
    CWnd* GetPane(int row, int col) const; // null for an empty pane or out of range
    bool IsChildPane(const CWnd* wnd, int* row, int* col) const;
    UINT IdFromRowCol(int row, int col) const;

    // The current size is the laid-out one; ideal and minimum as set.
    void SetColumnInfo(int col, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void GetRowInfo(int row, int& current, int& minimum) const;
    virtual void RecalcLayout();

    static constexpr int kBarSize = 6;

    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;

private:
    struct Track {
        int ideal = 0;
        int minimum = 0;
        int current = 0;
    };
    bool InRange(int row, int col) const;
    static void Distribute(std::vector<Track>& tracks, int available);
    static int TrackStart(const std::vector<Track>& tracks, int index);
    int BarAt(const std::vector<Track>& tracks, int position) const; // -1 when none

    int m_rows = 0;
    int m_cols = 0;
    std::vector<Track> m_rowInfo;
    std::vector<Track> m_colInfo;
    // The bar being dragged: column bar (true) or row bar, and its index.
    int m_dragBar = -1;
    bool m_dragColumn = false;
    int m_dragOffset = 0;
};
