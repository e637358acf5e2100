#pragma once
#include <QString>

// The program's release numbers, set once in the build.
struct ProgramVersion {
    int major, minor, revision;
};
ProgramVersion CurrentProgramVersion();

// "Version 1.0.328 (PN: 461-2097-113)" for release 1.0.328: decimal, no leading zeros.
QString VersionLabelText(const ProgramVersion& v);
