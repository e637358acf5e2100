#include "ui/EntryEdits.h"
#include <QLineEdit>

void EntryEdits::track(QLineEdit* box)
{
    boxes_[box].written = box->text();
    // The operator's change reports textEdited just before textChanged; a change the
    // program makes reports textChanged alone.
    connect(box, &QLineEdit::textEdited, this, [this, box] {
        Box& b = boxes_[box];
        b.editing = b.typing = true;
    });
    connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
        Box& b = boxes_[box];
        if (b.typing) {
            b.typing = false;
            return;
        }
        b.editing = false;
        b.written = text;
    });
    connect(box, &QObject::destroyed, this, [this, box] { boxes_.remove(box); });
}

bool EntryEdits::editing(const QLineEdit* box) const
{
    const auto it = boxes_.constFind(box);
    return it != boxes_.constEnd() && it->editing;
}

void EntryEdits::end(QLineEdit* box)
{
    if (const auto it = boxes_.find(box); it != boxes_.end())
        it->editing = false;
}

void EntryEdits::endAll()
{
    for (Box& b : boxes_)
        b.editing = false;
}

void EntryEdits::cancel(QLineEdit* box)
{
    const auto it = boxes_.find(box);
    if (it == boxes_.end() || !it->editing)
        return;
    it->editing = false;
    box->setText(it->written);
}

bool EntryEdits::fill(QLineEdit* box, const QString& text)
{
    if (editing(box))
        return false;
    box->setText(text);
    return true;
}
