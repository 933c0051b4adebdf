#include "DbaseError.h"
#include "DbaseTable.h"
#include "ShortDateFormat.h"
#include "TDataModule1.h"

#include <QDate>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class ScoresQtTest : public QObject {
    Q_OBJECT

private slots:
    void twoDigitYearsAreWidened_data();
    void twoDigitYearsAreWidened();
    void datesSurviveTheRoundTripInEveryLocale();
    void dataModuleStoresAndShowsAGame();
    void dataModuleResetsFromItsTemplate();
    void dataModuleRefusesAMissingTemplate();

private:
    // An application folder with an empty live table and its template.
    static QString makeAppDir(const QTemporaryDir& dir, bool withTemplate = true);
    static QString systemDate(const QDate& date) { return QLocale::system().toString(date, losslessShortDateFormat()); }
};

QString ScoresQtTest::makeAppDir(const QTemporaryDir& dir, bool withTemplate)
{
    const QString app = dir.path() + QStringLiteral("/");
    QDir().mkpath(app + QStringLiteral("Data/Zaloha"));
    DbaseTable::createEmpty((app + QStringLiteral("Data")).toStdString(), DbaseTable::tableName,
                            DbaseTable::liveIndexName);
    if (withTemplate)
        DbaseTable::createEmpty((app + QStringLiteral("Data/Zaloha")).toStdString(), DbaseTable::tableName,
                                DbaseTable::templateIndexName);
    return app;
}

void ScoresQtTest::twoDigitYearsAreWidened_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("widened");
    QTest::newRow("C library") << "M/d/yy" << "M/d/yyyy";
    QTest::newRow("Czech") << "dd.MM.yy" << "dd.MM.yyyy";
    QTest::newRow("year first") << "yy-MM-dd" << "yyyy-MM-dd";
    QTest::newRow("four digits stay") << "d.M.yyyy" << "d.M.yyyy";
    QTest::newRow("quoted text stays") << "d.M.yy 'yy'" << "d.M.yyyy 'yy'";
    QTest::newRow("no year") << "d.M." << "d.M.";
}

void ScoresQtTest::twoDigitYearsAreWidened()
{
    QFETCH(QString, format);
    QFETCH(QString, widened);
    QCOMPARE(widenShortYear(format), widened);
    QCOMPARE(losslessShortDateFormat(QLocale(QStringLiteral("de_DE"))), QStringLiteral("dd.MM.yyyy"));
    QVERIFY(losslessShortDateFormat(QLocale::system()).contains(QStringLiteral("yyyy")));
}

void ScoresQtTest::datesSurviveTheRoundTripInEveryLocale()
{
    const DbaseDate days[] = {{1950, 6, 1}, {1999, 12, 31}, {2024, 2, 29}, {2026, 1, 8}, {2099, 3, 15}};
    for (const char* name : {"system", "C", "cs_CZ", "en_US", "de_DE", "sv_SE", "ja_JP"}) {
        const QLocale locale = std::string(name) == "system" ? QLocale::system() : QLocale(QString::fromLatin1(name));
        const DateTextCodec codec = shortDateCodec(locale);
        for (const DbaseDate& day : days) {
            const std::string text = codec.format(day);
            const auto back = codec.parse(text);
            QVERIFY2(back.has_value(), (std::string(name) + " " + text).c_str());
            QCOMPARE(back->year, day.year);
            QCOMPARE(back->month, day.month);
            QCOMPARE(back->day, day.day);
        }
        QVERIFY(!codec.parse("not a date").has_value());
        QVERIFY(!codec.parse("").has_value());
    }
}

void ScoresQtTest::dataModuleStoresAndShowsAGame()
{
    QTemporaryDir dir;
    TDataModule1 module(makeAppDir(dir));
    QCOMPARE(module.Table1.objectName(), QStringLiteral("Table1"));
    QCOMPARE(module.DataSource1.objectName(), QStringLiteral("DataSource1"));
    module.Table1.open();
    module.Table1.setFiltered(true);
    module.Table1.setFilter(QStringLiteral("HRA = '10'"));
    module.Table1.setIndexFieldNames(QStringLiteral("TAHY"));
    module.Table1.first();
    QVERIFY(module.Table1.bof() && module.Table1.eof());
    QCOMPARE(module.DataSource1.rowCount(), 0);

    QSignalSpy resets(&module.DataSource1, &QAbstractItemModel::modelReset);
    const struct {
        QString name;
        int tahy;
        QString hra;
        QDate date;
    } entries[] = {
        {QStringLiteral("Řehoř"), 4, QStringLiteral("10"), QDate(2026, 1, 8)},
        {QStringLiteral("Ája"), 2, QStringLiteral("10"), QDate(1999, 12, 31)},
        {QStringLiteral("Jinde"), 1, QStringLiteral("1"), QDate(2026, 1, 8)},
    };
    for (const auto& e : entries) {
        module.Table1.insert();
        module.Table1JMENO.setAsString(e.name);
        module.Table1TAHY.setAsString(QString::number(e.tahy));
        module.Table1HRA.setAsString(e.hra);
        module.Table1DATUM.setAsString(systemDate(e.date));
        module.Table1.post();
    }
    QCOMPARE(resets.count(), 3);

    module.Table1.first();
    QCOMPARE(module.Table1JMENO.asString(), QStringLiteral("Ája"));
    QCOMPARE(module.Table1TAHY.asInteger(), 2);
    QCOMPARE(module.Table1DATUM.asString(), systemDate(QDate(1999, 12, 31)));
    QVERIFY(module.Table1.findKey(4));
    QCOMPARE(module.Table1JMENO.asString(), QStringLiteral("Řehoř"));

    QCOMPARE(module.DataSource1.rowCount(), 2);
    QCOMPARE(module.DataSource1.columnCount(), 4);
    QCOMPARE(module.DataSource1.index(0, BestTableModel::Jmeno).data().toString(), QStringLiteral("Ája"));
    QCOMPARE(module.DataSource1.index(1, BestTableModel::Tahy).data().toInt(), 4);
    QCOMPARE(module.DataSource1.index(1, BestTableModel::Datum).data().toString(), systemDate(QDate(2026, 1, 8)));
    QCOMPARE(module.DataSource1.headerData(0, Qt::Horizontal).toString(), QStringLiteral("JMENO"));
    module.Table1.setIndexFieldNames(QStringLiteral("JMENO"));
    QCOMPARE(module.DataSource1.index(0, BestTableModel::Jmeno).data().toString(), QStringLiteral("Ája"));

    module.Table1.insert();
    QVERIFY_THROWS_EXCEPTION(DbaseError, module.Table1DATUM.setAsString(QStringLiteral("32.13.2026")));
    module.Table1.cancel();
}

void ScoresQtTest::dataModuleResetsFromItsTemplate()
{
    QTemporaryDir dir;
    TDataModule1 module(makeAppDir(dir));
    module.Table1.open();
    module.Table1.insert();
    module.Table1JMENO.setAsString(QStringLiteral("smazat"));
    module.Table1TAHY.setAsString(QStringLiteral("3"));
    module.Table1HRA.setAsString(QStringLiteral("3"));
    module.Table1DATUM.setAsString(systemDate(QDate(2026, 1, 8)));
    module.Table1.post();
    module.Table1.setFiltered(true);
    module.Table1.setFilter(QStringLiteral("HRA = '3'"));
    QCOMPARE(module.DataSource1.rowCount(), 1);

    module.resetFromTemplate();
    QVERIFY(module.Table1.active());
    QCOMPARE(module.Table1.filter(), QStringLiteral("HRA = '3'"));
    QCOMPARE(module.DataSource1.rowCount(), 0);
}

void ScoresQtTest::dataModuleRefusesAMissingTemplate()
{
    QTemporaryDir dir;
    TDataModule1 module(makeAppDir(dir, false));
    module.Table1.open();
    module.Table1.insert();
    module.Table1TAHY.setAsString(QStringLiteral("3"));
    module.Table1HRA.setAsString(QStringLiteral("3"));
    module.Table1.post();
    try {
        module.resetFromTemplate();
        QFAIL("reset without a template");
    } catch (const DbaseError& error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("Zaloha/Pelkor.dbf")), error.what());
    }
    QVERIFY(module.Table1.active());
    QCOMPARE(module.DataSource1.rowCount(), 1);
}

QTEST_GUILESS_MAIN(ScoresQtTest)
#include "scores_qt_test.moc"
