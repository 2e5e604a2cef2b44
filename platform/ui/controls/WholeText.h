#pragma once

// Text controls that show their whole text: the width a static text or a one-line edit needs
// for its text on one line (frame, margins and indent included), and the control widened to it.
class CWnd;
class QWidget;

namespace platform {

// The outer width at which a label or one-line edit shows its whole text on one line; 0 for
// any other widget.
int WholeTextWidth(const QWidget& widget);

} // namespace platform

int WholeTextWidth(const CWnd& control);

// Widens the control, its left edge kept, when its text needs more room; never narrows it.
void WidenToWholeText(CWnd& control);
