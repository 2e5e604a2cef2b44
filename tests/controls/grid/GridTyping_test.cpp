// Typing into the grid with real keys: prices typed and stored through the data source, the
// keys that end an edit, and the order in which the data source and the hooks hear of it.
#include <gtest/gtest.h>

#include "controls/grid/GridEdit.h"
#include "controls/grid/GridMaskedEdit.h"
#include "tests/controls/grid/GridSpies.h"
#include "tests/controls/grid/GridWindow.h"

namespace {

// A source that keeps texts and writes down every question the grid asks it.
class LoggingSource : public TextSource {
public:
    explicit LoggingSource(std::vector<std::string>& log) : m_log(log) {}
    int WriteCell(int column, int row, CGridCell* cell) override
    {
        Note("source write", column, row, cell->GetText() ? cell->GetText() : "");
        return TextSource::WriteCell(column, row, cell);
    }
    int OnCanMoveCell(int, int, int column, int row) override { return Note("source may move", column, row), 1; }
    void OnCurrentRowChanged(int, int row) override { Note("source row", -1, row); }
    int OnEditBegin(int column, int row, CWnd**) override { return Note("source begin", column, row), 1; }
    int OnEditEnd(int column, int row, CWnd*, const std::string& text, int cancelled) override
    {
        Note(cancelled ? "source end cancelled" : "source end", column, row, text);
        return 1;
    }
    int OnEditNextCell(int column, int row, int* nextColumn, int* nextRow) override
    {
        Note("source next", column, row, std::to_string(*nextColumn) + "," + std::to_string(*nextRow));
        return 1;
    }

private:
    void Note(const std::string& what, int column, int row, const std::string& more = "")
    {
        m_log.push_back(what + " " + std::to_string(column) + "," + std::to_string(row) + (more.empty() ? "" : " " + more));
    }
    std::vector<std::string>& m_log;
};

// A typing grid whose edit hooks write down what they are told, and may refuse the end.
class LoggingGrid : public TypingGrid {
public:
    int OnCanMoveCell(int, int, int column, int row) override { return Note("grid may move", column, row), 1; }
    void OnCurrentRowChanged(int, int row) override { Note("grid row", -1, row); }
    int OnEditBegin(int column, int row, CWnd** editor) override
    {
        Note("grid begin", column, row);
        if (masked)
            *editor = masked;
        return 1;
    }
    int OnEditKey(int column, int row, CWnd*, UINT* key) override
    {
        return Note("grid key", column, row, std::string(1, static_cast<char>(*key))), 1;
    }
    int OnEditEnd(int column, int row, CWnd*, const std::string& text, int cancelled) override
    {
        Note(cancelled ? "grid end cancelled" : "grid end", column, row, text);
        return refuseEnd ? 0 : 1;
    }
    int OnEditNextCell(int column, int row, int*, int*) override { return Note("grid next", column, row), 1; }
    void OnGridKeyDown(UINT* key, int) override { gridKeys.push_back(*key); }
    void OnGridChar(UINT* key, int processed) override
    {
        gridKeys.push_back(*key);
        TypingGrid::OnGridChar(key, processed);
    }

    std::vector<std::string> log;
    std::vector<UINT> gridKeys;
    bool refuseEnd = false;
    CGridMaskedEdit* masked = nullptr;

private:
    void Note(const std::string& what, int column, int row, const std::string& more = "")
    {
        log.push_back(what + " " + std::to_string(column) + "," + std::to_string(row) + (more.empty() ? "" : " " + more));
    }
};

class GridTyping : public ::testing::Test {
protected:
    GridTyping() : source(window.grid.log)
    {
        window.grid.AddDataSource(&source);
        window.grid.SetDefaultDataSource(1);
    }
    CWnd* Editor() const { return window.grid.GetActiveEditor(); }

    GridWindow<LoggingGrid> window{4, 6};
    LoggingSource source;
};

}  // namespace

TEST_F(GridTyping, APriceTypedAndEnteredIsStoredAndEditingGoesOnInTheRowBelow)
{
    REQUIRE_FOCUS(window);
    window.Type("12.50");
    ASSERT_TRUE(window.grid.IsEditing());
    EXPECT_EQ(CWnd::GetFocus(), window.grid.GetDefaultEditor());
    window.Key(Qt::Key_Return);
    EXPECT_EQ((source.m_texts[{0, 0}]), "12.50");
    EXPECT_EQ(window.grid.GetCurrentRow(), 1);
    EXPECT_EQ(window.grid.GetCurrentColumn(), 0);
    EXPECT_TRUE(window.grid.IsEditing());
    EXPECT_EQ(window.grid.GetEditRow(), 1);
    window.Type("8");
    window.Key(Qt::Key_Return);
    EXPECT_EQ((source.m_texts[{0, 1}]), "8");
    EXPECT_EQ(window.grid.GetCurrentRow(), 2);
}

TEST_F(GridTyping, TabInTheLastColumnGoesOnInColumnZeroOfTheSameRow)
{
    REQUIRE_FOCUS(window);
    ASSERT_EQ(window.grid.GotoCell(3, 2), 0);
    window.Type("4");
    window.Key(Qt::Key_Tab);
    EXPECT_EQ((source.m_texts[{3, 2}]), "4");
    EXPECT_EQ(window.grid.GetEditColumn(), 0);
    EXPECT_EQ(window.grid.GetEditRow(), 2);
    window.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window.grid.GetEditColumn(), 3);
}

TEST_F(GridTyping, EscapeAbandonsTheEditAndTheCellKeepsItsText)
{
    REQUIRE_FOCUS(window);
    window.grid.QuickSetText(0, 0, "3.00");
    window.Type("99");
    window.Key(Qt::Key_Escape);
    EXPECT_FALSE(window.grid.IsEditing());
    EXPECT_EQ(window.Text(0, 0), "3.00");
    EXPECT_FALSE(window.grid.GetDefaultEditor()->IsWindowVisible());
    EXPECT_EQ(CWnd::GetFocus(), window.grid.GetCellArea());
    EXPECT_EQ(window.grid.GetCurrentRow(), 0);
}

TEST_F(GridTyping, TheSourceIsAskedBeforeTheHookAtEveryStepOfAnEdit)
{
    REQUIRE_FOCUS(window);
    window.Type("75");
    window.Key(Qt::Key_Return);
    const std::vector<std::string> expected = {
        "source begin 0,0",   "grid begin 0,0",     "grid key 0,0 7",    "grid key 0,0 5",
        "source end 0,0 75",  "grid end 0,0 75",    "source write 0,0 75", "source next 0,0 0,1",
        "grid next 0,0",      "source may move 0,1", "grid may move 0,1", "source row -1,1",
        "grid row -1,1",      "source begin 0,1",   "grid begin 0,1",
        // Enter's character reaches the editor after its key moved it, as on Windows.
        "grid key 0,1 \r",
    };
    EXPECT_EQ(window.grid.log, expected);
}

TEST_F(GridTyping, AnEndRefusedByTheHookLeavesTheEditorOpenOnItsCellWithItsText)
{
    REQUIRE_FOCUS(window);
    window.grid.refuseEnd = true;
    window.Type("abc");
    window.Key(Qt::Key_Return);
    EXPECT_TRUE(window.grid.IsEditing());
    EXPECT_EQ(window.grid.GetCurrentRow(), 0);
    EXPECT_EQ(CWnd::GetFocus(), window.grid.GetDefaultEditor());
    EXPECT_EQ(window.grid.GetDefaultEditor()->GetWindowText(), "abc");
    EXPECT_TRUE(source.m_texts.empty());
    window.grid.refuseEnd = false;
    window.Key(Qt::Key_Return);
    EXPECT_EQ((source.m_texts[{0, 0}]), "abc");
}

TEST_F(GridTyping, KeysTypedIntoTheEditorNeverReachTheGrid)
{
    REQUIRE_FOCUS(window);
    window.Type("1");
    window.grid.gridKeys.clear();
    window.Type("234");
    window.Key(Qt::Key_Left);
    window.Key(Qt::Key_Home);
    window.Key(Qt::Key_Backspace);
    EXPECT_TRUE(window.grid.gridKeys.empty());
    EXPECT_EQ(window.grid.GetCurrentColumn(), 0);
}

TEST_F(GridTyping, TheEditorStaysHiddenOnceTheEditEnded)
{
    REQUIRE_FOCUS(window);
    window.Type("5");
    window.Key(Qt::Key_Escape);
    CWnd* editor = window.grid.GetDefaultEditor();
    ASSERT_FALSE(editor->IsWindowVisible());
    CWnd* host = window.grid.GetParent();
    host->ShowWindow(SW_HIDE);
    host->ShowWindow(SW_SHOW);
    window.grid.RedrawAll();
    EXPECT_FALSE(editor->IsWindowVisible());
}

TEST_F(GridTyping, TheMaskRefusesALetterWhereANumberGoesAndPutsItsLiteralsIn)
{
    REQUIRE_FOCUS(window);
    CGridMaskedEdit masked;
    ASSERT_TRUE(masked.Create(nullptr, nullptr, WS_CHILD, CRect(), &window.grid, 125));
    window.grid.masked = &masked;
    CGridCell cell;
    cell.SetMask("99.99");
    window.grid.GetGridInfo()->m_columns[0].m_defaultCell->CopyFrom(cell);
    window.Type("1");
    ASSERT_EQ(CWnd::GetFocus(), &masked);
    window.Type("x25a3");
    EXPECT_EQ(masked.GetWindowText(), "12.53");
    window.Type("9");  // the mask is full
    EXPECT_EQ(masked.GetWindowText(), "12.53");
    window.Key(Qt::Key_Return);
    EXPECT_EQ((source.m_texts[{0, 0}]), "12.53");
    EXPECT_EQ(window.grid.GetEditRow(), 1);
    // Literals in a row go in together before the next digit.
    cell.SetMask("(999) 999");
    window.grid.GetGridInfo()->m_columns[0].m_defaultCell->CopyFrom(cell);
    window.Key(Qt::Key_Escape);
    window.Type("5551234");
    EXPECT_EQ(masked.GetWindowText(), "(555) 123");
    window.Key(Qt::Key_Escape);
}

TEST_F(GridTyping, LeavingForAWindowThatTakesNoFocusCancelsTheEdit)
{
    REQUIRE_FOCUS(window);
    window.Type("42");
    CWnd other;
    ASSERT_TRUE(other.Create(nullptr, "other", WS_POPUP, CRect(500, 40, 600, 100), nullptr, 0));
    other.ShowWindow(SW_SHOW);
    other.GetWidget()->activateWindow();
    (void)QTest::qWaitFor([] { return QApplication::focusWidget() == nullptr; }, 2000);
    EXPECT_FALSE(window.grid.IsEditing());
    EXPECT_TRUE(source.m_texts.empty());
    EXPECT_EQ(window.grid.log.back(), "grid end cancelled 0,0 42");
}

TEST(GridEditor, UpAndDownMoveTheCaretOnlyOnceTheEditorHasGrownToSeveralLines)
{
    GridWindow<TypingGrid> window(3, 8);
    REQUIRE_FOCUS(window);
    window.grid.SetColumnWidth(0, 40);
    window.grid.SetRowHeight(2, 20);
    ASSERT_EQ(window.grid.GotoCell(0, 2), 0);
    window.Type("x");
    window.Key(Qt::Key_Down);
    EXPECT_EQ(window.grid.GetEditRow(), 3);  // one line: Down goes to the next row
    window.Type("a long description that runs on over several cells and then on over several lines");
    auto* editor = static_cast<CGridEdit*>(window.grid.GetDefaultEditor());
    ASSERT_TRUE(editor->HasGrown());
    window.Key(Qt::Key_Up);
    EXPECT_TRUE(window.grid.IsEditing());
    EXPECT_EQ(window.grid.GetEditRow(), 3);
    window.Key(Qt::Key_Escape);
}
