#include "ui/ValueLabel.h"
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QStyle>

namespace {

// The label as assistive technology reads it: static text whose name is what it shows,
// readable character by character.
class ValueLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return label()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString shown = label()->text();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics fm = label()->fontMetrics();
        const QRect area = label()->contentsRect();
        const QRect inLabel(area.left() + fm.horizontalAdvance(shown.left(offset)), area.top(),
                            fm.horizontalAdvance(shown.at(offset)), area.height());
        return QRect(label()->mapToGlobal(inLabel.topLeft()), inLabel.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i)
            if (characterRect(i).contains(point))
                return i;
        return -1;
    }
    // Read only: no caret and no selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* valueLabelInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("ValueLabel") && object && object->isWidgetType())
        return new ValueLabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

}   // namespace

ValueLabel::ValueLabel(const QString& text, const QString& description, QWidget* parent) : QLabel(text, parent)
{
    static const bool installed = (QAccessible::installFactory(valueLabelInterface), true);
    (void)installed;
    setAccessibleDescription(description);
}
