#pragma once
// The unit's part number "672-####-###" in identity texts, part numbers typed for the
// command file, and lettered firmware revisions.
#include <QString>

class IPrompts;

// The model code (the middle group) of the part number in an identity text; partNo is set
// only when a whole part number follows a leading character. Texts without one give the
// number between the first two dashes (or after a lone dash); else, and for a number outside
// the 32-bit range, 0.
qint32 ParseModelNumber(const QString& text, QString& partNo);
// The seven digits of a part number ("672-7436-005" or "7436005", blanks around allowed);
// otherwise "" after a "Parameter Error" box.
QString ValidatePartNumber(IPrompts& prompts, const QString& text);
// A lettered revision in digits: "A".."J" (either case) give "0".."9", "." stays, all else goes.
QString DecodeVersionLetters(const QString& text);
