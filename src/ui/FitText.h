#pragma once
class QLabel;

// Shrinks a fixed-size label's font, down to `minPixelSize`, until its text fits the
// label's width, so an indicator name is never cut off. A wider text is left at the
// smallest size. The window's own font is the starting point each time.
void FitTextToWidth(QLabel* label, int minPixelSize = 8);
