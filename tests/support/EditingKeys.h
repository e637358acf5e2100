#pragma once
// The editing and moving keys of a text box, pressed as a desktop keyboard delivers them
// (Delete carries the character 127 there, Backspace the character 8), and what each run of
// them leaves of a box's text.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>
#include <vector>

inline void PressEditingKey(QWidget* box, Qt::Key key)
{
    const QString text = key == Qt::Key_Delete      ? QString(QChar(0x7f))
                         : key == Qt::Key_Backspace ? QString(QChar(8))
                                                    : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &release);
}

struct EditingKeyCase {
    const char* name;
    bool selectAll;   // the whole text selected first; else the cursor at its end
    std::vector<Qt::Key> keys;
    std::function<QString(const QString& text)> left;   // the text afterwards
    bool backspace() const { return std::find(keys.begin(), keys.end(), Qt::Key_Backspace) != keys.end(); }
};

inline const std::vector<EditingKeyCase>& EditingKeyCases()
{
    static const std::vector<EditingKeyCase> cases = {
        {"Delete on the selected text", true, {Qt::Key_Delete}, [](const QString&) { return QString(); }},
        {"Home, Delete", false, {Qt::Key_Home, Qt::Key_Delete}, [](const QString& t) { return t.mid(1); }},
        {"Home, Right, Delete",
         false,
         {Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete},
         [](const QString& t) { return t.left(1) + t.mid(2); }},
        {"End, Left, Delete",
         false,
         {Qt::Key_End, Qt::Key_Left, Qt::Key_Delete},
         [](const QString& t) { return t.chopped(1); }},
        {"Backspace on the selected text", true, {Qt::Key_Backspace}, [](const QString&) { return QString(); }},
        {"Home, End, Left, Backspace",
         false,
         {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Backspace},
         [](const QString& t) { return t.size() < 2 ? t : t.left(t.size() - 2) + t.right(1); }},
    };
    return cases;
}

// Gives `box` the text `start`, then presses the case's keys in it; its text afterwards.
inline QString RunEditingKeys(QLineEdit* box, const QString& start, const EditingKeyCase& c)
{
    box->setText(start);
    if (c.selectAll)
        box->selectAll();
    for (Qt::Key key : c.keys)
        PressEditingKey(box, key);
    return box->text();
}
