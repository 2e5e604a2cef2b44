#pragma once
// The control's child windows, for the code that works with all of them.
#include "controls/grid/GridArea.h"
#include "controls/grid/GridCnrBtn.h"
#include "controls/grid/GridEdit.h"
#include "controls/grid/GridHint.h"
#include "controls/grid/GridScrollBars.h"
#include "controls/grid/GridSideHdg.h"
#include "controls/grid/GridTab.h"
#include "controls/grid/GridTopHdg.h"
