#include "ui/FrameArrangements.h"
#include "ui/Twips.h"
#include <QLabel>
#include <QWidget>

namespace arrangement {

void Apply(QWidget* widget, const Place& place)
{
    twips::SetGeometry(widget, place.left, place.top, place.width, place.height);
    if (auto* label = qobject_cast<QLabel*>(widget); label && place.caption)
        label->setText(QString::fromUtf8(place.caption));
}

void Apply(QWidget* frame, std::span<const Place> places)
{
    for (const Place& place : places) {
        auto* child = frame->findChild<QWidget*>(QString::fromLatin1(place.objectName), Qt::FindDirectChildrenOnly);
        if (child)
            Apply(child, place);
    }
}

}   // namespace arrangement
