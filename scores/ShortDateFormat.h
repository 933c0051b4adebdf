#pragma once

#include "scores/core/DbaseDate.h"

#include <QLocale>
#include <QString>

// The user's short date format made safe for a round trip: a two-digit year
// would lose the century when read back, so it is widened to four digits.
QString losslessShortDateFormat(const QLocale& locale = QLocale::system());

// The same widening on a format text: "yy" becomes "yyyy"; quoted text and
// other runs of y stay.
QString widenShortYear(const QString& format);

// The engine's date conversion in that format.
pelikor::DateTextCodec shortDateCodec(const QLocale& locale = QLocale::system());
