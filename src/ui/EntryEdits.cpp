#include "ui/EntryEdits.h"
#include <QLineEdit>

void EntryEdits::track(QLineEdit* box)
{
    boxes_[box].written = box->text();
    // The operator's change reports textEdited just before textChanged; a change the
    // program makes reports textChanged alone.
    connect(box, &QLineEdit::textEdited, this, [this, box] {
        Box& b = boxes_[box];
        b.typing = true;
        b.editing = !b.keyRefused;
        b.keyRefused = false;
    });
    connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
        Box& b = boxes_[box];
        if (b.typing) {
            b.typing = false;
            return;
        }
        b.editing = b.keyRefused = false;
        b.written = text;
    });
    connect(box, &QObject::destroyed, this, [this, box] { boxes_.remove(box); });
}

bool EntryEdits::editing(const QLineEdit* box) const
{
    const auto it = boxes_.constFind(box);
    return it != boxes_.constEnd() && it->editing;
}

bool EntryEdits::unchanged(const QLineEdit* box) const
{
    const auto it = boxes_.constFind(box);
    return it != boxes_.constEnd() && box->text() == it->written;
}

bool EntryEdits::end(QLineEdit* box)
{
    const auto it = boxes_.find(box);
    if (it == boxes_.end())
        return false;
    const bool edited = it->editing;
    it->editing = it->keyRefused = false;
    return edited;
}

void EntryEdits::endAll()
{
    for (Box& b : boxes_)
        b.editing = b.keyRefused = false;
}

void EntryEdits::cancel(QLineEdit* box)
{
    const auto it = boxes_.find(box);
    if (it == boxes_.end())
        return;
    it->editing = it->keyRefused = false;
    // Also a refused key's text, which is none of the unit's.
    if (box->text() != it->written)
        box->setText(it->written);
}

void EntryEdits::refuseKey(QLineEdit* box)
{
    if (const auto it = boxes_.find(box); it != boxes_.end()) {
        it->editing = false;
        it->keyRefused = true;
    }
}

void EntryEdits::takeKey(QLineEdit* box)
{
    if (const auto it = boxes_.find(box); it != boxes_.end())
        it->keyRefused = false;
}

bool EntryEdits::fill(QLineEdit* box, const QString& text)
{
    if (editing(box))
        return false;
    box->setText(text);
    return true;
}
