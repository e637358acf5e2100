#pragma once
// The operator's edits of a window's entry boxes. A box is being edited once the operator
// has changed its text since the program last wrote it, and stays so until the edit ends
// (the operator leaves the box, presses Enter or Esc). Meanwhile the poll, a read-back or a
// first read writes through fill(), which leaves the box as typed.
#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;

class EntryEdits : public QObject {
public:
    explicit EntryEdits(QObject* parent = nullptr) : QObject(parent) {}

    // Follows the operator's edits of `box`; any text the program writes itself ends an edit.
    void track(QLineEdit* box);
    bool editing(const QLineEdit* box) const;
    // The edit ends with the text as typed: the next fill shows the unit's value again.
    void end(QLineEdit* box);
    void endAll();
    // The edit is dropped: the box shows again what the program last wrote.
    void cancel(QLineEdit* box);
    // Writes `text` into `box` unless the operator is editing it; true when written.
    bool fill(QLineEdit* box, const QString& text);

private:
    struct Box {
        bool editing = false;
        bool typing = false;   // the change under way is the operator's
        QString written;       // what the program last wrote
    };
    QHash<const QLineEdit*, Box> boxes_;
};
