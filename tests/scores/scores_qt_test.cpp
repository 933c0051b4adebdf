#include "scores/BestTableModule.h"
#include "scores/core/DbaseTable.h"
#include "scores/ShortDateFormat.h"
#include "setup/core/Games.h"
#include "tests/support/BestTableEntries.h"

#include <QDate>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace pelikor;

class ScoresQtTest : public QObject {
    Q_OBJECT

private slots:
    void twoDigitYearsAreWidened_data();
    void twoDigitYearsAreWidened();
    void datesSurviveTheRoundTripInEveryLocale();
    void bestTableModuleShowsTheSelectedGame();
    void bestTableModuleResetsFromItsTemplate();
    void bestTableModuleRefusesAMissingTemplate();
    void resultDialogStepsGoThroughTheTable();
    void nameFieldIsDecidedOnTheFirstTenInTheCurrentOrder();
    void viewsFollowEveryStoreAndReset();

private:
    // An application folder with an empty live table and its template.
    static QString makeAppDir(const QTemporaryDir& dir, bool withTemplate = true);
    static QStringList names(const std::vector<TableRow>& rows);
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

void ScoresQtTest::bestTableModuleShowsTheSelectedGame()
{
    QTemporaryDir dir;
    const QString app = makeAppDir(dir);
    BestTableModule module(app);
    QCOMPARE(module.table.objectName(), QStringLiteral("table"));
    QCOMPARE(module.model.objectName(), QStringLiteral("model"));
    module.table.open();
    module.table.show(optionalGame(1), BestTable::Order::ByName);
    QCOMPARE(module.model.rowCount(), 0);

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
    for (const auto& e : entries)
        BestTableEntries::add(app, e.hra, e.name, e.tahy, e.date);
    module.table.show(optionalGame(1), BestTable::Order::BestFirst);

    QCOMPARE(module.model.rowCount(), 2);
    QCOMPARE(module.model.columnCount(), 4);
    QCOMPARE(module.model.index(0, BestTableModel::Jmeno).data().toString(), QStringLiteral("Ája"));
    QCOMPARE(module.model.index(1, BestTableModel::Tahy).data().toInt(), 4);
    QCOMPARE(module.model.index(1, BestTableModel::Datum).data().toString(),
             BestTableEntries::dateText(QDate(2026, 1, 8)));
    QCOMPARE(module.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("JMENO"));
    module.table.show(optionalGame(1), BestTable::Order::ByName);
    QCOMPARE(module.model.index(0, BestTableModel::Jmeno).data().toString(), QStringLiteral("Ája"));
}

void ScoresQtTest::bestTableModuleResetsFromItsTemplate()
{
    QTemporaryDir dir;
    const QString app = makeAppDir(dir);
    // The folders in another letter case are the same folders.
    QVERIFY(QDir(app).rename(QStringLiteral("Data"), QStringLiteral("DATA")));
    QVERIFY(QDir(app).rename(QStringLiteral("DATA/Zaloha"), QStringLiteral("DATA/zaloha")));
    BestTableModule module(app);
    QCOMPARE(module.templateDir(), app + QStringLiteral("DATA/zaloha"));
    module.table.open();
    BestTableEntries::add(app, QStringLiteral("3"), QStringLiteral("smazat"), 3, QDate(2026, 1, 8));
    module.table.show(standardGame(), BestTable::Order::BestFirst);
    QCOMPARE(module.model.rowCount(), 1);

    QVERIFY(module.resetFromTemplate());
    QVERIFY(module.table.isOpen());
    QCOMPARE(module.table.game()->code, standardGame().code);
    QCOMPARE(module.model.rowCount(), 0);
}

void ScoresQtTest::bestTableModuleRefusesAMissingTemplate()
{
    QTemporaryDir dir;
    const QString app = makeAppDir(dir, false);
    BestTableModule module(app);
    module.table.open();
    BestTableEntries::add(app, QStringLiteral("3"), QString(), 3, QDate::currentDate());
    QStringList reported;
    module.table.setErrorReport([&reported](const QString& message) { reported << message; });
    QVERIFY2(!module.resetFromTemplate(), "reset without a template");
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.first().contains(QStringLiteral("Zaloha/Pelkor.dbf")), qPrintable(reported.first()));
    QVERIFY(module.table.isOpen());
    QCOMPARE(module.model.rowCount(), 1);
}

QStringList ScoresQtTest::names(const std::vector<TableRow>& rows)
{
    QStringList out;
    for (const TableRow& row : rows)
        out << QString::fromStdString(row.jmeno);
    return out;
}

void ScoresQtTest::resultDialogStepsGoThroughTheTable()
{
    QTemporaryDir dir;
    const QString app = makeAppDir(dir);
    BestTableModule module(app);
    BestTable& table = module.table;
    table.open();
    table.show(standardGame(), BestTable::Order::BestFirst);
    const QString standard = QStringLiteral("3");
    constexpr BestTable::Store kWritten = BestTable::Store::Written;

    QVERIFY2(table.offersName(standardGame(), 30), "an empty game has room for any result");
    QCOMPARE(table.storeResult(standardGame(), QStringLiteral("Řehoř"), 30), kWritten);
    const auto first = BestTableEntries::rows(app, standard);
    QCOMPARE(first.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(first[0].jmeno), QStringLiteral("Řehoř"));
    QCOMPARE(first[0].tahy, 30);
    QCOMPARE(QString::fromStdString(first[0].hra), standard);
    QCOMPARE(QString::fromStdString(first[0].datum), BestTableEntries::dateText(QDate::currentDate()));

    for (int r = 2; r <= 10; ++r)
        QCOMPARE(table.storeResult(standardGame(), QStringLiteral("hráč %1").arg(r), r), kWritten);
    QCOMPARE(table.storeResult(optionalGame(7), QStringLiteral("jinde"), 1), kWritten);
    QCOMPARE(BestTableEntries::rows(app, standard).size(), std::size_t(10));

    // Full: 30 is the worst; a 31 gets nothing, a 1 takes the 30's place.
    QVERIFY(!table.offersName(standardGame(), 31));
    QCOMPARE(table.storeResult(standardGame(), QStringLiteral("horší"), 31), BestTable::Store::Nothing);
    QVERIFY(table.offersName(standardGame(), 1));
    QCOMPARE(table.storeResult(standardGame(), QStringLiteral("Nejlepší"), 1), kWritten);
    const auto full = BestTableEntries::rows(app, standard);
    QCOMPARE(full.size(), std::size_t(10));
    QCOMPARE(QString::fromStdString(full.front().jmeno), QStringLiteral("Nejlepší"));
    QCOMPARE(QString::fromStdString(full.back().jmeno), QStringLiteral("hráč 10"));
    QVERIFY(!names(full).contains(QStringLiteral("Řehoř")));
    QVERIFY(!names(full).contains(QStringLiteral("horší")));

    QCOMPARE(names(BestTableEntries::rows(app, QStringLiteral("4"))), QStringList{QStringLiteral("jinde")});
    // The grids show the game selected last, in the caller's order.
    table.show(optionalGame(7), table.order());
    QCOMPARE(module.model.rowCount(), 1);
    QVERIFY(table.order() == BestTable::Order::BestFirst);
}

void ScoresQtTest::nameFieldIsDecidedOnTheFirstTenInTheCurrentOrder()
{
    QTemporaryDir dir;
    const QString app = makeAppDir(dir);
    BestTableModule module(app);
    BestTable& table = module.table;
    table.open();
    // Eleven entries, as a table written elsewhere may hold: ten 2s, A's
    // from yesterday, and a 9 whose name sorts last.
    const QString game = QString::fromUtf8(optionalGame(6).code);
    const QDate today = QDate::currentDate();
    for (const QChar letter : QStringLiteral("ABCDEFGHIJZ"))
        BestTableEntries::add(app, game, letter, letter == QLatin1Char('Z') ? 9 : 2,
                              letter == QLatin1Char('A') ? today.addDays(-1) : today);
    table.show(optionalGame(6), BestTable::Order::ByName);
    QVERIFY2(!table.offersName(optionalGame(6), 5), "the 9 lies beyond the first ten");
    QVERIFY(table.offersName(optionalGame(6), 1));
    QVERIFY2(table.offersName(optionalGame(6), 2), "ten equal counts, one from an earlier day");
}

void ScoresQtTest::viewsFollowEveryStoreAndReset()
{
    QTemporaryDir dir;
    const QString app = makeAppDir(dir);
    BestTableModule module(app);
    BestTable& table = module.table;
    table.open();
    QSignalSpy changes(&table, &BestTable::changed);

    QCOMPARE(table.storeResult(optionalGame(4), QStringLiteral("první"), 3), BestTable::Store::Written);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(module.model.rowCount(), 1);
    QCOMPARE(module.model.index(0, BestTableModel::Jmeno).data().toString(), QStringLiteral("první"));

    // A write failing halfway stores nothing and is reported once, and the
    // views still follow the game it selected.
    table.setWriteHooks({[](const std::filesystem::path&, std::size_t) {
                             throw std::runtime_error("No space left on device");
                         },
                         {}});
    changes.clear();
    QStringList reported;
    table.setErrorReport([&reported](const QString& message) { reported << message; });
    QCOMPARE(table.storeResult(optionalGame(3), QStringLiteral("ztracený"), 2), BestTable::Store::Failed);
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.first().contains(QStringLiteral("Pelkor.mdx")), qPrintable(reported.first()));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(module.model.rowCount(), 0);
    table.setWriteHooks({});
    QCOMPARE(table.storeResult(optionalGame(3), QStringLiteral("znovu"), 2), BestTable::Store::Written);
    QCOMPARE(names(BestTableEntries::rows(app, QStringLiteral("8"))), QStringList{QStringLiteral("znovu")});

    table.show(optionalGame(4), BestTable::Order::BestFirst);
    QCOMPARE(module.model.rowCount(), 1);
    changes.clear();
    module.resetFromTemplate();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(module.model.rowCount(), 0);
    QVERIFY(BestTableEntries::rows(app, QStringLiteral("8")).empty());
}

QTEST_GUILESS_MAIN(ScoresQtTest)
#include "scores_qt_test.moc"
