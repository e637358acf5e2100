#pragma once
// The operator's edits of a window's entry boxes. A box is being edited once the operator has
// changed its text since the program last wrote it, and stays so until the edit ends: at
// Enter, at leaving the box, at Esc or at a refusal. Meanwhile the poll, a read-back or a
// first read writes through fill(), which leaves the box as typed; once the edit has ended the
// next fill shows the unit's value again.
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
    // The box holds what the program last wrote into it (an untracked box: false).
    bool unchanged(const QLineEdit* box) const;
    // The edit ends with the text as typed. True when there was one: text the operator typed
    // since the box was last filled, neither dropped with Esc nor refused.
    bool end(QLineEdit* box);
    void endAll();
    // The edit is dropped: the box shows again what the program last wrote, and the edit ends.
    void cancel(QLineEdit* box);
    // The key on its way into the box was refused: it still goes in, but the edit ends here
    // and the key's change is none of the operator's edits.
    void refuseKey(QLineEdit* box);
    // A key the box takes is on its way in: an earlier refusal is over.
    void takeKey(QLineEdit* box);
    // Writes `text` into `box` unless the operator is editing it; true when written.
    bool fill(QLineEdit* box, const QString& text);

private:
    struct Box {
        bool editing = false;
        bool typing = false;       // the change under way is the operator's
        bool keyRefused = false;   // the next change of the operator's was refused
        QString written;           // what the program last wrote
    };
    QHash<const QLineEdit*, Box> boxes_;
};
