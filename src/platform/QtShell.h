#pragma once
#include "platform/Shell.h"

class QtShell final : public IShell {
public:
    bool open(const QString& pathOrUrl) override;
};
