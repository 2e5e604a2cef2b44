// Cost of drawing grid cells through CDC against the same drawing made directly with QPainter.
// The figure to watch is the "ratio" counter of BM_CellsThroughDC (target: at most 1.2).
#include "bench/support/QtBenchmarkMain.h"
#include "platform/ui/draw/DC.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr int kCells = 10000;
constexpr int kColumns = 20;
constexpr int kWidth = 60;
constexpr int kHeight = 18;

std::vector<std::string> CellTexts()
{
    std::vector<std::string> texts;
    for (int i = 0; i < kCells; ++i)
        texts.push_back("Item " + std::to_string(i * 7919 % 100000) + " price 12,345.67");
    return texts;
}

CRect CellRect(int i)
{
    int x = (i % kColumns) * kWidth, y = (i / kColumns % 40) * kHeight;
    return CRect(x, y, x + kWidth, y + kHeight);
}

double DrawDirect(QImage& image, const std::vector<std::string>& texts)
{
    auto start = std::chrono::steady_clock::now();
    QPainter p(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    QPen line(QColor(192, 192, 192), 0);
    line.setCapStyle(Qt::SquareCap);
    for (int i = 0; i < kCells; ++i) {
        CRect r = CellRect(i);
        p.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), QColor(255, 255, 255));
        p.setPen(line);
        p.drawLine(r.left, r.bottom - 1, r.right - 2, r.bottom - 1);
        p.drawLine(r.right - 1, r.top, r.right - 1, r.bottom - 2);
        p.setPen(QColor(0, 0, 0));
        QString text = QString::fromLatin1(texts[size_t(i)].data(), qsizetype(texts[size_t(i)].size()));
        p.drawText(QRect(r.left + 2, r.top, r.Width() - 4, r.Height() - 1),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    p.end();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double DrawThroughDC(CBitmap& bitmap, const std::vector<std::string>& texts)
{
    auto start = std::chrono::steady_clock::now();
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
    CFont font;
    font.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    dc.SelectObject(&font);
    CPen line(PS_SOLID, 1, RGB(192, 192, 192));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < kCells; ++i) {
        CRect r = CellRect(i);
        dc.FillSolidRect(&r, RGB(255, 255, 255));
        CPen* old = dc.SelectObject(&line);
        dc.MoveTo(r.left, r.bottom - 1);
        dc.LineTo(r.right - 1, r.bottom - 1);
        dc.MoveTo(r.right - 1, r.top);
        dc.LineTo(r.right - 1, r.bottom - 1);
        dc.SelectObject(old);
        CRect text(r.left + 2, r.top, r.right - 2, r.bottom - 1);
        dc.DrawText(texts[size_t(i)], &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.DeleteDC();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_CellsDirectQPainter(benchmark::State& state)
{
    auto texts = CellTexts();
    QImage image(kColumns * kWidth, 40 * kHeight, QImage::Format_RGB32);
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawDirect(image, texts));
    state.counters["cells"] = kCells;
}

void BM_CellsThroughDC(benchmark::State& state)
{
    auto texts = CellTexts();
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(nullptr, kColumns * kWidth, 40 * kHeight);
    QImage image(kColumns * kWidth, 40 * kHeight, QImage::Format_RGB32);
    double layer = 0, direct = 0;
    for (auto _ : state) {
        // The baseline runs beside each measured pass, so both see the same machine load.
        state.PauseTiming();
        direct += DrawDirect(image, texts);
        state.ResumeTiming();
        layer += DrawThroughDC(bitmap, texts);
    }
    state.counters["ratio"] = direct > 0 ? layer / direct : 0;
    state.counters["cells"] = kCells;
}

BENCHMARK(BM_CellsDirectQPainter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CellsThroughDC)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
