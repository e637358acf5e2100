#pragma once
// One transfer at a time, and nothing else started from the main window while it runs.
#include <QPointer>
#include <vector>

class QActionGroup;
class QMainWindow;
class QWidget;
struct FilesState;
struct LinkContext;
struct TransfersState;

// Taken for a whole download. It is refused while another transfer, a configuration file
// or a command is running. While held, every entry of the window's menus and every control
// of its central area is disabled, so neither a click nor an action kept for the end of a
// command's wait can send between two pages; on release each comes back in the state the
// window gives it, including changes made meanwhile (a dropped connection disables the
// unit's entries, and they stay so).
class TransferLock {
public:
    TransferLock(TransfersState& state, const LinkContext& link, const FilesState& files, QMainWindow& window);
    ~TransferLock();
    TransferLock(const TransferLock&) = delete;
    TransferLock& operator=(const TransferLock&) = delete;

    bool held() const { return held_; }

private:
    void freeze(QMainWindow& window);

    TransfersState& state_;
    bool held_ = false;
    // The menu entries are held in a disabled group: an entry's own enabled state, set
    // before or during the lock, is what it gets back when the group lets it go.
    QPointer<QActionGroup> group_;
    std::vector<QPointer<QActionGroup>> outerGroups_;   // groups an entry was in already
    QPointer<QWidget> central_;
    bool centralEnabled_ = false;
};
