#pragma once
// Pieces the small option dialogs build their layouts from: named controls, a captioned
// entry box with its unit, and the row of buttons at the bottom.
#include <QString>
#include <initializer_list>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace dialogparts {

// Gives `widget` its control name.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
template <typename W> W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// An entry box of `parent` in the next row of `grid`: its caption left of it (the caption also names
// the box for the keyboard), the unit right of it. `accessible` says what the box holds.
struct EntryRow {
    QLineEdit* box;
    QLabel* caption;
    QLabel* unit;   // nullptr without a unit
};
EntryRow AddEntryRow(QWidget* parent, QGridLayout* grid, const char* objectName, const QString& caption,
                     const QString& unit, const QString& accessible);

// A log dialog's download bar "ProgressBar1" of `parent`; the dialog keeps its room while it
// is hidden, so nothing moves when it shows.
QProgressBar* DownloadBar(QWidget* parent);

// Makes `dialog` wide enough for its title beside the title bar's buttons: a small dialog
// would otherwise show its title cut short.
void FitTitle(QWidget* dialog);

// Widens `button` so that its caption keeps a character's width clear of either edge.
void RoomForCaption(QPushButton* button);

// Lays `dialog` out as `body` above a row of `buttons` at the right, and makes the tab order
// `controls` in turn, then the buttons; the dialog keeps room for its title.
void LayOut(QWidget* dialog, QLayout* body, std::initializer_list<QWidget*> controls,
            std::initializer_list<QAbstractButton*> buttons);

}   // namespace dialogparts
