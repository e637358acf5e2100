#pragma once
#include <QComboBox>

// The console's editable command box. Enter in the edit field and a pick from the opened
// history list are its only two ways to send; browsing the closed box with the arrow or
// Page keys or the wheel only puts an entry into the edit field (the plain combo box
// reports those as activations too).
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

private:
    bool browsing_ = false;
};
