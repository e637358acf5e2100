#pragma once
#include <QString>

// Opens a web address or a document with the desktop's handler. Never a command line.
class IShell {
public:
    virtual ~IShell() = default;
    virtual bool open(const QString& pathOrUrl) = 0;
};
