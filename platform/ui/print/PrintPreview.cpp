#include "platform/ui/print/PrintPreview.h"

#include "platform/ui/draw/DC.h"
#include "platform/ui/print/PrintInfo.h"
#include "platform/ui/docview/View.h"
#include "platform/ui/print/ViewPrinting.h"
#include "platform/ui/window/ScreenFit.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace platform {
namespace {

QPointer<PrintPreviewWindow> g_preview;

// Pages are drawn at screen resolution: what the preview shows, not what the printer gets.
constexpr int kPreviewDotsPerInch = 96;

QImage BlankPage(QPrinter& printer)
{
    const QRect area = printer.pageLayout().paintRectPixels(kPreviewDotsPerInch);
    QImage page(std::max(area.width(), 1), std::max(area.height(), 1), QImage::Format_RGB32);
    const int dotsPerMeter = int(kPreviewDotsPerInch / 0.0254 + 0.5);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);
    return page;
}

QPushButton* AddButton(QHBoxLayout* bar, const char* text)
{
    auto* button = new QPushButton(QString::fromLatin1(text));
    bar->addWidget(button);
    return button;
}

} // namespace

PrintPreviewWindow* ActivePreview()
{
    return g_preview.data();
}

PrintPreviewWindow::PrintPreviewWindow(CView& view, std::unique_ptr<CPrintInfo> info)
    : m_view(&view), m_info(std::move(info))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Print Preview"));
    auto* bar = new QHBoxLayout;
    m_print = AddButton(bar, "&Print...");
    m_next = AddButton(bar, "&Next Page");
    m_prev = AddButton(bar, "Pre&v Page");
    m_close = AddButton(bar, "&Close");
    m_pageText = new QLabel;
    bar->addWidget(m_pageText);
    bar->addStretch();
    m_picture = new QLabel;
    auto* scroller = new QScrollArea;
    scroller->setWidget(m_picture);
    scroller->setAlignment(Qt::AlignCenter);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(scroller, 1);
    connect(m_print, &QPushButton::clicked, this, &PrintPreviewWindow::PrintJob);
    connect(m_next, &QPushButton::clicked, this, &PrintPreviewWindow::NextPage);
    connect(m_prev, &QPushButton::clicked, this, &PrintPreviewWindow::PrevPage);
    connect(m_close, &QPushButton::clicked, this, &PrintPreviewWindow::ClosePreview);

    m_image = BlankPage(*m_info->GetPrinter());
    {
        QPainter painter(&m_image);
        CDC dc(&painter);
        m_view->OnBeginPrinting(&dc, m_info.get());
    }
    if (g_preview)
        g_preview->ClosePreview();
    g_preview = this;
    ShowPage(m_info->GetMinPage());
}

PrintPreviewWindow::~PrintPreviewWindow()
{
    EndJob();
}

bool PrintPreviewWindow::Render(unsigned page, QImage& target)
{
    if (!m_view)
        return false;
    target = BlankPage(*m_info->GetPrinter());
    QPainter painter(&target);
    CDC dc(&painter);
    return PrintOnePage(*m_view, dc, *m_info, page);
}

bool PrintPreviewWindow::ShowPage(unsigned page)
{
    QImage image;
    if (page < m_info->GetMinPage() || !Render(page, image)) {
        if (m_page != 0)
            m_info->m_nCurPage = m_page;
        UpdateControls();
        return false;
    }
    m_page = page;
    m_image = std::move(image);
    m_picture->setPixmap(QPixmap::fromImage(m_image));
    m_picture->resize(m_image.size());
    UpdateControls();
    return true;
}

bool PrintPreviewWindow::CanGoNext() const
{
    const UINT last = m_info->GetMaxPage();
    return last == CPrintInfo::kUnknownPage ? m_info->m_bContinuePrinting : m_page < last;
}

void PrintPreviewWindow::UpdateControls()
{
    m_pageText->setText(QStringLiteral("Page %1").arg(m_page));
    m_next->setEnabled(m_view && CanGoNext());
    m_prev->setEnabled(m_view && m_page > m_info->GetMinPage());
    m_print->setEnabled(m_view != nullptr);
}

void PrintPreviewWindow::NextPage()
{
    if (CanGoNext())
        ShowPage(m_page + 1);
}

void PrintPreviewWindow::PrevPage()
{
    if (m_page > m_info->GetMinPage())
        ShowPage(m_page - 1);
}

void PrintPreviewWindow::EndJob()
{
    if (!m_view)
        return;
    QPainter painter(&m_image);
    CDC dc(&painter);
    m_view->OnEndPrinting(&dc, m_info.get());
    m_view = nullptr;
}

void PrintPreviewWindow::ClosePreview()
{
    EndJob();
    if (g_preview == this)
        g_preview = nullptr;
    hide();
    deleteLater();
}

void PrintPreviewWindow::PrintJob()
{
    CView* view = m_view;
    ClosePreview();
    if (view)
        PrintView(*view, false);
}

void PrintPreviewWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: ClosePreview(); break;
    case Qt::Key_PageDown: NextPage(); break;
    case Qt::Key_PageUp: PrevPage(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void PrintPreviewWindow::closeEvent(QCloseEvent* event)
{
    EndJob();
    if (g_preview == this)
        g_preview = nullptr;
    QWidget::closeEvent(event);
}

bool PreviewView(CView& view)
{
    auto info = std::make_unique<CPrintInfo>();
    info->m_bPreview = true;
    if (!view.OnPreparePrinting(info.get()))
        return false;
    auto* window = new PrintPreviewWindow(view, std::move(info));
    // A window of its own, which goes with the view's window at the latest.
    if (QWidget* owner = view.GetWidget() ? view.GetWidget()->window() : nullptr)
        window->setParent(owner, Qt::Window);
    window->resize(900, 700);
    KeepOnScreen(*window);
    window->show();
    return true;
}

void ForgetPreviewOf(CView* view)
{
    if (g_preview && view && g_preview->IsShowing(view)) {
        g_preview->ForgetView();
        g_preview->ClosePreview();
    }
}

} // namespace platform
