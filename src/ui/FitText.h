#pragma once
class QLabel;

// Shrinks a fixed-size label's font, down to `minPixelSize`, until its text fits the
// label's width, so an indicator name is never cut off. A wider text is left at the
// smallest size. The window's own font is the starting point each time. `availableWidth`
// (pixels) narrows the room below the label's own width where part of it can be covered.
void FitTextToWidth(QLabel* label, int minPixelSize = 8, int availableWidth = -1);
