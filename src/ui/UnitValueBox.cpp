#include "ui/UnitValueBox.h"
#include <QLineEdit>
#include <QVariant>
#include <algorithm>

namespace {
constexpr const char* TypedLimit = "typedLimit";

// The limit the box was built with, kept the first time a unit value is shown in it; as the
// text gets shorter (an edit, defaults put in) the limit follows it back down.
int typedLimit(QLineEdit* box)
{
    const QVariant kept = box->property(TypedLimit);
    if (kept.isValid())
        return kept.toInt();
    const int limit = box->maxLength();
    box->setProperty(TypedLimit, limit);
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box, limit] { box->setMaxLength(std::max(limit, int(box->text().size()))); });
    return limit;
}
}   // namespace

void ShowUnitValue(QLineEdit* box, const QString& text)
{
    box->setMaxLength(std::max(typedLimit(box), int(text.size())));
    box->setText(text);
}
