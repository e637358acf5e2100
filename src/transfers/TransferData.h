#pragma once
// Pure pieces every log and table transfer reads its pages with.
#include <QString>
#include <QStringList>

// The data of a reply frame: from its third character (after the start character and the
// address) up to, not including, the frame's two closing characters (ETX and the checksum,
// or ETX and CR). "" for a reply too short to hold data.
QString ReplyData(const QString& reply);

// The "!"-terminated lines of `data` from index `from` on, in order. The page ends at the
// first line shorter than 2 characters (it is not taken) or where no further "!" follows
// (text after the last "!" is not a line).
QStringList BangLines(const QString& data, qsizetype from = 0);

// The entries of a paged fault-log reply "QF<i>;<count>;<n>;e1!e2!...": the text after the
// third ";" split at "!", at most ten pieces, up to the first empty piece. A reply whose first
// ";" stands first, or without all three ";", is a page without entries.
QStringList QFPageEntries(const QString& data);

// The entry count the paged fault log reports ("QF0;<count>;..."): the whole number between
// the first two ";"; 0 when either is missing or the text is no number.
int QFLogCount(const QString& data);

// The entries a paged fault-log reply "QF<i>;<count>;<n>;..." must hold by the unit's own
// counts: its per-page count n, and no fewer than the log's count leaves from index i on
// (at most ten). A field that is no number counts for nothing.
int QFPageExpected(const QString& data, int index);
