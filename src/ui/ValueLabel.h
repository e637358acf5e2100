#pragma once
// A label whose text is a value shown at run time (a status message, a state, a reading).
// Assistive technology gets the text itself as the label's name and through a text
// interface, and what the value stands for as its description; a fixed name would hide
// the value.
#include <QLabel>

class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& text, const QString& description, QWidget* parent);
};
