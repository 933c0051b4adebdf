#pragma once

#include "DbaseDate.h"

#include <QLocale>
#include <QString>

// The user's short date format made safe for a round trip: a two-digit year
// would lose the century when read back, so it is widened to four digits.
QString losslessShortDateFormat(const QLocale& locale = QLocale::system());

// The engine's date conversion in that format.
DateTextCodec shortDateCodec(const QLocale& locale = QLocale::system());
