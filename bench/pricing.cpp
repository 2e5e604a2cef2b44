// Pricing in the item grid: a unit price typed into the grid of a 10,000-item proposal and
// entered with Enter (the store, recalculation and Check Zod, the repaint of what changed, the
// totals under the grid and in a status bar), against the recalculation and check alone on the
// same proposal in the same run ("x_recalc", target at most 1.5). Offscreen; medians of samples
// taken in alternation so that a busy moment of the machine weighs on both sides alike.
// "entry_cpu_ms" is the entry's time on the main thread's clock: the difference to "entry_ms"
// is waiting, mostly for the painter's helper threads, which Qt wakes for every fill taller than
// about a hundred lines.
#include "app/grids/GridHost.h"
#include "app/grids/ItemGrid.h"
#include "bench/generator/ProposalGenerator.h"
#include "bench/support/QtBenchmarkMain.h"
#include "bench/support/Timing.h"
#include "controls/grid/GridArea.h"
#include "model/check/CheckBid.h"
#include "model/check/Recalc.h"
#include "model/records/Prop.h"
#include "model/text/NumberFormat.h"
#include "platform/ui/controls/StatusBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kItems = 10000;
constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kStatusHeight = 24;
constexpr UINT kGridPlace = 1011;
constexpr int kFirstScreenRows = 24;

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

std::string AmountText(const CProp& prop, double total)
{
    const CNumberFormat& format = prop.m_numberFormats[NUMFMT_AMOUNT];
    return FormatAmount(total, format.m_byWidth, format.m_byDecimals, true, prop.GetCurrencySymbol(0)) + " ";
}

// The grid view as far as an entry reaches it: the grid, and the totals it shows after a change.
class PricingWindow : public CWnd, public CGridHost {
public:
    explicit PricingWindow(CProp& prop) : m_prop(prop)
    {
        Create(nullptr, "pricing", WS_POPUP, CRect(0, 0, kWidth, kHeight), nullptr, 0);
        m_place.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight - kStatusHeight), this,
                       kGridPlace);
        m_status.Create(this);
        const UINT panes[] = {0, 1, 2};
        m_status.SetIndicators(panes, 3);
        m_grid.SetProposal(&prop);
        m_grid.AttachToDialogItem(kGridPlace, this);
        m_grid.SetSideHeadingWidth(0);
        m_grid.SizeColumns(kWidth);
        ShowWindow(SW_SHOW);
        while (!GetWidget()->windowHandle() || !GetWidget()->windowHandle()->isExposed())
            QApplication::processEvents();
        GetWidget()->activateWindow();
        m_grid.GetCellArea()->SetFocus();
        QApplication::processEvents();
    }
    ~PricingWindow() { DestroyWindow(); }

    void RefreshTotals() override { m_status.SetPaneText(2, AmountText(m_prop, m_prop.m_dProposalTotal)); }
    void OnGridChange() override { RefreshTotals(); }

    // Typed into the cell the cursor is on (or the entry open there) and entered, painted.
    void EnterPrice(const std::string& text)
    {
        for (char c : text)
            Key(0, QString(QChar(c)));
        Key(Qt::Key_Return, QStringLiteral("\r"));
        // The grid paints what the entry invalidated.
        QApplication::processEvents();
    }
    // Back to the first price once the entries reach the given row.
    void RestartAt(int row)
    {
        if (m_grid.GetCurrentRow() < row)
            return;
        m_grid.EndEditing();
        m_grid.GotoCell(m_grid.GetDisplayColumn(CBidDataSource::COL_UNIT_PRICE), 2 * FindNextItem(m_prop, -1, 1));
        m_grid.GetCellArea()->SetFocus();
        QApplication::processEvents();
    }

private:
    static void Key(int key, const QString& text)
    {
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &press);
        QApplication::sendEvent(focus, &release);
    }

    CProp& m_prop;
    CWnd m_place;
    CStatusBar m_status;
    CItemGrid m_grid;
};

void BM_PriceTypedAndEnteredAgainstRecalc(benchmark::State& state)
{
    ProposalShape shape;
    shape.m_items = kItems;
    const auto prop = GenerateProposal(shape);
    RecalcBidTotals(prop.get());
    PricingWindow window(*prop);
    // Down the schedule the grid scrolls at every entry; on the first screen it never does.
    const int lastRow = state.range(0) ? kFirstScreenRows : 2 * kItems - 8;
    window.RestartAt(0);
    std::vector<double> entries;
    std::vector<double> recalcs;
    std::vector<double> entryCpu;
    int typed = 0;
    for (auto _ : state) {
        window.RestartAt(lastRow);
        const std::string price = std::to_string(10 + typed++ % 90) + ".25";
        const double cpuBefore = ThreadSeconds();
        entries.push_back(SecondsOf([&] { window.EnterPrice(price); }));
        entryCpu.push_back(ThreadSeconds() - cpuBefore);
        recalcs.push_back(SecondsOf([&] {
            RecalcBidTotals(prop.get());
            benchmark::DoNotOptimize(CheckBid(prop.get(), false));
        }));
    }
    state.counters["x_recalc"] = Median(entries) / Median(recalcs);
    state.counters["entry_ms"] = Median(entries) * 1000;
    state.counters["entry_cpu_ms"] = Median(entryCpu) * 1000;
    state.counters["recalc_ms"] = Median(recalcs) * 1000;
}

BENCHMARK(BM_PriceTypedAndEnteredAgainstRecalc)
    ->ArgName("first_screen")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
