#pragma once
// A pair of arrow buttons beside an entry box; each click is one step, reported as
// UpClick or DownClick. It holds no value of its own: the box beside it does.
#include <QWidget>

class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    // Names the pair and its two buttons ("<name> up", "<name> down") for accessibility tools.
    void setAccessibleNames(const QString& name);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void UpClick();
    void DownClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
