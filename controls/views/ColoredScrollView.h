#pragma once

// A scrolling view over a painted background (gradient or tiled bitmap), whose controls take
// matching colours and follow its size.
#include "controls/views/ColoredViewCore.h"
#include "platform/ui/docview/ScrollView.h"

class CColoredScrollView : public CColoredViewOf<CScrollView> {
    DECLARE_DYNAMIC(CColoredScrollView)
public:
    CControlLayout& GetControlLayout() { return m_core.Layout(); }
};
