#pragma once
// A box's length limit is for what the operator types: a value the unit reported is shown
// whole, however long, so that a dialog closed without an edit finds the box as the unit
// holds it and sends nothing.
#include <QString>

class QLineEdit;

// Shows `text` in `box` whole: the box's limit is raised to the text's length while the text
// is longer, and comes back down as the text gets shorter (an edit, defaults put in), never below
// the limit the box was built with.
void ShowUnitValue(QLineEdit* box, const QString& text);
