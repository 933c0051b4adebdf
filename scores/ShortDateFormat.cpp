#include "scores/ShortDateFormat.h"

#include <QDate>
#include <QRegularExpression>

QLocale tableDateLocale()
{
    const QLocale user = QLocale::system();
    const QLocale program;
    return user.language() == QLocale::C || user.language() == program.language() ? user : program;
}

QString losslessShortDateFormat(const QLocale& locale)
{
    return widenShortYear(locale.dateFormat(QLocale::ShortFormat));
}

QString widenShortYear(const QString& format)
{
    // Only a run of exactly two y's is the short year; quoted text stays.
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    QString out;
    bool quoted = false;
    QString run;
    const auto flush = [&] {
        out += quoted ? run : QString(run).replace(shortYear, QStringLiteral("yyyy"));
        run.clear();
    };
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            flush();
            out += c;
            quoted = !quoted;
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

pelikor::DateTextCodec shortDateCodec(const QLocale& locale)
{
    const QString format = losslessShortDateFormat(locale);
    pelikor::DateTextCodec codec;
    codec.format = [locale, format](const pelikor::DbaseDate& date) {
        return locale.toString(QDate(date.year, date.month, date.day), format).toStdString();
    };
    codec.parse = [locale, format](std::string_view text) -> std::optional<pelikor::DbaseDate> {
        const QDate date = locale.toDate(QString::fromUtf8(text.data(), qsizetype(text.size())), format);
        if (!date.isValid())
            return std::nullopt;
        return pelikor::DbaseDate{date.year(), date.month(), date.day()};
    };
    return codec;
}
