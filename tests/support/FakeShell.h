#pragma once
#include "platform/Shell.h"
#include <QStringList>

// Records what would have been opened.
class FakeShell final : public IShell {
public:
    bool open(const QString& pathOrUrl) override
    {
        opened << pathOrUrl;
        return answer;
    }
    QStringList opened;
    bool answer = true;
};
