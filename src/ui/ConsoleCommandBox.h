#pragma once
#include <QComboBox>

// The console's editable command box. Enter in the edit field and a pick from the opened
// history list are its only two ways to send. The plain combo box also reports as picked an
// entry put into the field by browsing the closed box (the arrow or Page keys, the wheel) and
// the history entry equal to the text when the focus leaves the field; neither is a pick
// here. The field never completes what is typed from the history.
class ConsoleCommandBox : public QComboBox {
    Q_OBJECT
public:
    explicit ConsoleCommandBox(QWidget* parent = nullptr);

signals:
    void enterPressed();   // Enter in the edit field; the key is consumed
    void picked();         // an entry chosen from the opened list, once per choice

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool notAPick_ = false;   // activations reported meanwhile are none of the operator's picks
};
