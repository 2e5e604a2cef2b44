#include "platform/ui/controls/ScrollBar.h"

#include <QScrollBar>

QScrollBar* CScrollBar::Bar() const
{
    return static_cast<QScrollBar*>(GetWidget());
}

QWidget* CScrollBar::CreateWidget(QWidget* parent, DWORD style)
{
    auto* bar = new QScrollBar(style & SBS_VERT ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

void CScrollBar::ConnectWidget()
{
    QScrollBar* bar = Bar();
    m_vertical = bar->orientation() == Qt::Vertical;
    QObject::connect(bar, &QAbstractSlider::actionTriggered, Context(), Guard([this](int a) { Action(a); }));
    QObject::connect(bar, &QAbstractSlider::sliderReleased, Context(), Guard([this] {
        Report(SB_THUMBPOSITION, Bar()->sliderPosition());
        Report(SB_ENDSCROLL, 0);
        Apply();
    }));
    Apply();
}

bool CScrollBar::CanAdopt(const QWidget* widget) const
{
    return qobject_cast<const QScrollBar*>(widget) != nullptr;
}

int CScrollBar::GetScrollLimit() const
{
    long long page = m_page > 0 ? (long long)m_page - 1 : 0;
    return int(std::max<long long>(m_min, (long long)m_max - page));
}

void CScrollBar::Apply()
{
    m_pos = std::clamp(m_pos, m_min, GetScrollLimit());
    if (!GetWidget())
        return;
    const QSignalBlocker block(Bar());
    Bar()->setRange(m_min, GetScrollLimit());
    Bar()->setPageStep(int(std::min<UINT>(std::max<UINT>(m_page, 1), 0x7FFFFFFF)));
    Bar()->setSliderPosition(m_pos);
    Bar()->setValue(m_pos);
}

void CScrollBar::Report(UINT code, int pos)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(m_vertical ? WM_VSCROLL : WM_HSCROLL,
                            MAKEWPARAM(code, WORD(std::clamp(pos, 0, 0xFFFF))),
                            reinterpret_cast<LPARAM>(this));
}

void CScrollBar::Action(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: Report(SB_LINEDOWN, 0); break;
    case QAbstractSlider::SliderSingleStepSub: Report(SB_LINEUP, 0); break;
    case QAbstractSlider::SliderPageStepAdd: Report(SB_PAGEDOWN, 0); break;
    case QAbstractSlider::SliderPageStepSub: Report(SB_PAGEUP, 0); break;
    case QAbstractSlider::SliderToMinimum: Report(SB_TOP, 0); break;
    case QAbstractSlider::SliderToMaximum: Report(SB_BOTTOM, 0); break;
    case QAbstractSlider::SliderMove:
        Report(SB_THUMBTRACK, Bar()->sliderPosition());
        return; // the thumb follows the mouse while dragged
    default: return;
    }
    if (GetWidget() && !Bar()->isSliderDown())
        Report(SB_ENDSCROLL, 0);
    // Undo Qt's own step: the position is what the parent set.
    if (GetWidget())
        Bar()->setSliderPosition(m_pos);
}

bool CScrollBar::SetScrollInfo(const SCROLLINFO* info, bool)
{
    if (!info)
        return false;
    if (info->fMask & SIF_RANGE) {
        m_min = info->nMin;
        m_max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE)
        m_page = info->nPage;
    if (info->fMask & SIF_POS)
        m_pos = info->nPos;
    Apply();
    if (GetWidget() && !(info->fMask & SIF_DISABLENOSCROLL))
        Bar()->setEnabled(GetScrollLimit() > m_min);
    return true;
}

bool CScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const
{
    if (!info)
        return false;
    info->fMask = mask;
    if (mask & SIF_RANGE) {
        info->nMin = m_min;
        info->nMax = m_max;
    }
    if (mask & SIF_PAGE)
        info->nPage = m_page;
    if (mask & SIF_POS)
        info->nPos = m_pos;
    if (mask & SIF_TRACKPOS)
        info->nTrackPos = GetWidget() && Bar()->isSliderDown() ? Bar()->sliderPosition() : m_pos;
    return true;
}

int CScrollBar::SetScrollPos(int pos, bool)
{
    int old = m_pos;
    m_pos = pos;
    Apply();
    return old;
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, bool)
{
    m_min = minPos;
    m_max = std::max(minPos, maxPos);
    Apply();
}

void CScrollBar::GetScrollRange(int* minPos, int* maxPos) const
{
    if (minPos) *minPos = m_min;
    if (maxPos) *maxPos = m_max;
}
