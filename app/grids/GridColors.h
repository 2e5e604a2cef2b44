#pragma once

// The colours the proposal's grids give their rows. In colour mode (the gradient background
// chosen and a display of more than 8 bits a pixel) rows shade from the grid's top colour to its
// bottom colour and the current row takes the selection colour; otherwise system colours.
#include "platform/ui/window/WinTypes.h"

bool DisplayHasManyColors();
bool IsGridColorMode(bool manyColors);
// The current row's colour outside colour mode: the button face lightened halfway to white (a
// white face gives light grey); on a display of 8 bits or fewer a pale yellow.
COLORREF GridHighlightColor(bool manyColors);
// Step i of n between the grid's top and bottom colours, i held to n.
COLORREF GridShadeColor(int i, int n);
COLORREF GridSelectionColor();
COLORREF GridLabelColor();
