#pragma once

#include "scores/core/DbaseDate.h"

#include <QLocale>
#include <QString>

// Whose short date the best table shows: the user's own where it is of the
// program's language (or the C locale's, which the program has always
// shown under it), else the program's language's.
QLocale tableDateLocale();

// The user's short date format made safe for a round trip: a two-digit year
// would lose the century when read back, so it is widened to four digits.
QString losslessShortDateFormat(const QLocale& locale = tableDateLocale());

// The same widening on a format text: "yy" becomes "yyyy"; quoted text and
// other runs of y stay.
QString widenShortYear(const QString& format);

// The engine's date conversion in that format.
pelikor::DateTextCodec shortDateCodec(const QLocale& locale = tableDateLocale());
