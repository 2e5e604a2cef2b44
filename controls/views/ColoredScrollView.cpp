#include "controls/views/ColoredScrollView.h"

IMPLEMENT_DYNAMIC(CColoredScrollView, CScrollView)
