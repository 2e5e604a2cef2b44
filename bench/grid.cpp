// The grid's painting: a full repaint of a 1920x1080 grid of 10,000 rows by 12 columns of mixed
// cell types through the control, against drawing the same visible cells' fills, lines and
// texts directly with QPainter in the same run ("x_qpainter", target at most 1.5; "repaint_ms"
// is the repaint's own time); and moving the current cell one row down, with its repaint,
// against one full repaint ("x_repaint", target at most 0.25). Medians of the samples.
#include "bench/support/QtBenchmarkMain.h"
#include "bench/support/Timing.h"
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridInfo.h"
#include "controls/grid/GridSections.h"
#include "platform/ui/draw/SystemMetrics.h"

#include <QApplication>
#include <QPainter>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 10000;
constexpr int kColumns = 12;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::string TextOf(int column, int row)
{
    switch (column % 4) {
    case 0: return std::to_string(100 + row) + "-" + std::to_string(column);
    case 1: return "Item " + std::to_string(row * 7919 % 100000) + " aggregate base course";
    case 2: return std::to_string(row % 997) + "." + std::to_string(10 + row % 89);
    default: return row % 3 ? "CY" : "";
    }
}

// The grid the bidder works in: item numbers, descriptions, right-aligned amounts, a drop list
// of units, a check box and an arrow column among the plain text.
class BenchGrid {
public:
    BenchGrid()
    {
        m_host.Create(nullptr, "bench", WS_POPUP, CRect(0, 0, kWidth, kHeight), nullptr, 0);
        grid.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &m_host, 1);
        grid.SetDefaultFont(grid.AddFont("Arial", -12, 400));
        grid.SetColumnCount(kColumns, 0);
        grid.SetRowCount(kRows, 0);
        for (int column = 0; column < kColumns; ++column) {
            grid.SetColumnWidth(column, column % 4 == 1 ? 220 : 130);
            grid.QuickSetText(column, -1, ("Column " + std::to_string(column + 1)).c_str());
            CGridCell& defaults = *grid.GetGridInfo()->m_columns[static_cast<std::size_t>(column)].m_defaultCell;
            if (column % 4 == 2)
                defaults.SetAlignment(2);
            if (column == 3)
                defaults.SetCellType(GRID_CELLTYPE_DROPLIST);
            if (column == 7)
                defaults.SetCellType(GRID_CELLTYPE_CHECKBOX);
            if (column == 11)
                defaults.SetCellType(GRID_CELLTYPE_ARROW);
        }
        for (int row = 0; row < kRows; ++row) {
            grid.QuickSetText(-1, row, std::to_string(row + 1).c_str());
            for (int column = 0; column < kColumns; ++column)
                grid.QuickSetText(column, row, TextOf(column, row).c_str());
        }
        m_host.ShowWindow(SW_SHOW);
        // Painting reaches the screen only once the window system has shown the window.
        while (!m_host.GetWidget()->windowHandle() || !m_host.GetWidget()->windowHandle()->isExposed())
            QApplication::processEvents();
        grid.RecalcLayout();
        Repaint();
    }
    ~BenchGrid() { m_host.DestroyWindow(); }

    void Repaint()
    {
        grid.RedrawAll();
        grid.GetWidget()->repaint();
    }

    CGridCtrl grid;

private:
    CWnd m_host;
};

// The same visible cells, headings included, drawn straight onto an image.
class DirectDrawing {
public:
    explicit DirectDrawing(const CGridCtrl& grid) : m_image(kWidth, kHeight, QImage::Format_RGB32)
    {
        m_font.setFamily(QStringLiteral("Liberation Sans"));
        m_font.setPixelSize(12);
        const CGridInfo& info = *grid.GetGridInfo();
        const int left = info.m_sideHeadingWidth, top = info.m_topHeadingHeight;
        info.WalkColumns(info.m_gridWidth, [&](int column, int x, int width) {
            m_cells.push_back({QRect(left + x, 0, width, top), "Column " + QString::number(column + 1)});
            return true;
        });
        info.WalkRows(info.m_gridHeight, [&](int row, int y, int height) {
            m_cells.push_back({QRect(0, top + y, left, height), QString::number(row + 1)});
            info.WalkColumns(info.m_gridWidth, [&](int column, int x, int width) {
                m_cells.push_back({QRect(left + x, top + y, width, height), QString::fromStdString(TextOf(column, row))});
                return true;
            });
            return true;
        });
    }

    void Draw()
    {
        QPainter p(&m_image);
        p.setFont(m_font);
        const QPen line(QColor(220, 220, 220), 0);
        for (const Cell& cell : m_cells) {
            const QRect& r = cell.rect;
            p.fillRect(r, Qt::white);
            p.setPen(line);
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
            p.setPen(Qt::black);
            p.drawText(r.adjusted(4, 1, -1, -1), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cell.text);
        }
    }

private:
    struct Cell {
        QRect rect;
        QString text;
    };
    QImage m_image;
    QFont m_font;
    std::vector<Cell> m_cells;
};

void BM_FullRepaint(benchmark::State& state)
{
    BenchGrid bench;
    DirectDrawing direct(bench.grid);
    std::vector<double> control, painter;
    for (auto _ : state) {
        painter.push_back(SecondsOf([&] { direct.Draw(); }));
        control.push_back(SecondsOf([&] { bench.Repaint(); }));
    }
    state.counters["x_qpainter"] = Median(control) / Median(painter);
    state.counters["repaint_ms"] = Median(control) * 1000;
    state.counters["qpainter_ms"] = Median(painter) * 1000;
}

void BM_MoveDownOneRow(benchmark::State& state)
{
    BenchGrid bench;
    std::vector<double> moves, repaints;
    for (auto _ : state) {
        repaints.push_back(SecondsOf([&] { bench.Repaint(); }));
        bench.grid.GotoCell(0, 0);
        bench.grid.GetCellArea()->UpdateWindow();
        // A thousand steps down: the first ones within the view, the rest scrolling it.
        const double batch = SecondsOf([&] {
            for (int step = 0; step < 1000; ++step)
                bench.grid.GotoRow(bench.grid.GetCurrentRow() + 1);
        });
        moves.push_back(batch / 1000);
    }
    state.counters["x_repaint"] = Median(moves) / Median(repaints);
    state.counters["move_ms"] = Median(moves) * 1000;
}

BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(BM_MoveDownOneRow)->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
