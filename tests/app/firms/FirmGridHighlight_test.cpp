// What the firm item grid shows on the screen after the bidder ticks items with the mouse: the
// highlight follows the cursor, and no row it left stays highlighted.
#include "tests/app/firms/FirmTestSupport.h"
#include "tests/support/PictureMatch.h"

#include <QDir>
#include <QScreen>

namespace {

class FirmGridHighlightTest : public FirmGridTest {
protected:
    // The cells as they are on the screen: what was painted, and left unpainted, so far.
    static QImage OnScreen(CWnd& cells)
    {
        QWidget* widget = cells.GetWidget();
        const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
        const QImage window = widget->screen()->grabWindow(widget->window()->winId()).toImage();
        return window.copy(QRect(at, widget->size())).convertToFormat(QImage::Format_RGB32);
    }
    // The cells painted afresh from what the grid holds now.
    static QImage Repainted(CWnd& cells)
    {
        return cells.GetWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace

TEST_F(FirmGridHighlightTest, TheSectionRowTheCursorLeftIsNotLeftHighlighted)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    CDBEItemGrid* grid = ShowFirmItems(0);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->GetCurrentRow(), 0);
    ASSERT_TRUE(Prop()->m_items[0]->IsSection());
    const int first = UncommittedRow(*grid);
    const int second = UncommittedRow(*grid, first + 1);
    ASSERT_GT(second, first);

    for (int row : {first, second})
        ASSERT_NO_FATAL_FAILURE(ClickBoxInView(*grid, row));
    ASSERT_EQ(grid->GetCurrentRow(), second);
    ASSERT_TRUE(Ticked(*grid, first) && Ticked(*grid, second));

    CWnd& cells = *grid->GetCellArea();
    const QImage screen = OnScreen(cells);
    if (const char* folder = std::getenv("ZOD_WRITE_PICTURES"))
        screen.save(QDir(folder).filePath("firm-grid-after-ticks.png"));
    CGridCell section;
    grid->GetCell(CDBEItemDataSource::UNIT, 0, &section);
    int column = CDBEItemDataSource::UNIT, row = 0;
    CRect rect;
    ASSERT_EQ(grid->GetCellRect(&column, &row, &rect), 0);
    const QRgb shown = screen.pixel(rect.CenterPoint().x, rect.CenterPoint().y);
    const COLORREF back = section.GetBackColor();
    EXPECT_EQ(shown, qRgb(GetRValue(back), GetGValue(back), GetBValue(back)));
    EXPECT_TRUE(testsupport::MatchesPicture(screen, Repainted(cells)));
}
