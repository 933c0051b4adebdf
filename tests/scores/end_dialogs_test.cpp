#include "scores/BestGrid.h"
#include "scores/BestTableModule.h"
#include "scores/BestTableView.h"
#include "scores/ClearTableQuestion.h"
#include "scores/GiveUpQuestion.h"
#include "scores/ResultBalloon.h"
#include "setup/core/Games.h"
#include "tests/support/BestTableEntries.h"
#include "tests/support/BestTableFolder.h"
#include "tests/support/ShellFixture.h"
#include "tests/support/TypeText.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QString kStandard = QStringLiteral("3");
const QString kNewName = QStringLiteral("Nový Řehoř");
constexpr int kAppended = -1;
constexpr int kNothingWritten = -2;

// The shell's services and an open best table on a fresh application folder.
struct EndOfGame {
    ShellFixture shell;
    std::unique_ptr<BestTableModule> module;

    EndOfGame()
    {
        layOutBestTable(shell.applicationDir);
        module = std::make_unique<BestTableModule>(shell.applicationDir);
        module->table.open();
    }

    void add(const QString& code, const QString& name, int tahy, const QDate& date = QDate::currentDate())
    {
        BestTableEntries::add(shell.applicationDir, code, name, tahy, date);
    }
    QStringList entries(const QString& code) { return BestTableEntries::of(shell.applicationDir, code); }
    bool locked() const { return !shell.mainWindow.isEnabled() && !shell.figure->isEnabled(); }
};

QString entry(const QString& name, int tahy, const QDate& date = QDate::currentDate())
{
    return QStringLiteral("%1/%2/%3").arg(name).arg(tahy).arg(BestTableEntries::dateText(date));
}

// The result dialog as the hand-off fills and shows it.
void showResult(ResultBalloon& dialog, const pelikor::Game& game, int remaining)
{
    dialog.setResult({.game = game, .remaining = remaining});
    dialog.showDialog();
}

template <typename T> T* child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

QString codeOfTab(int tab)
{
    const std::string_view code = pelikor::kGames[std::size_t(tab)].code;
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

} // namespace

class EndDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The entry rules on real table files: whether the name field is
    // offered, and which entry the closing store writes. Entries are listed
    // in file order by count; a "-" marks one dated yesterday.
    void resultDialogJudgesAndStoresByTheEntryRules_data()
    {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<int>("written"); // the entry overwritten, kAppended or kNothingWritten
        const QString mixed = QStringLiteral("1 1 2 2 2 3 3 4 4 5");
        const QString twos = QStringLiteral("2 2 2 2 2 2 2 2 2 2");
        QTest::newRow("first result") << "" << 17 << true << kAppended;
        QTest::newRow("nine entries, worse than all") << "1 1 1 1 1 1 1 1 1" << 20 << true << kAppended;
        QTest::newRow("ten, beats the worst") << mixed << 4 << true << 9;
        QTest::newRow("ten, equal to the worst, smaller ones exist") << mixed << 5 << false << kNothingWritten;
        QTest::newRow("ten, worse than all") << mixed << 6 << false << kNothingWritten;
        QTest::newRow("ten, the worst twice: the later goes") << "1 1 1 1 1 1 1 3 3 1" << 2 << true << 8;
        QTest::newRow("ten equal, the earliest dated before") << "2- 2 2 2 2 2 2 2 2 2" << 2 << true << 0;
        QTest::newRow("ten equal, a later one dated before") << "2 2 2 2 2- 2 2 2 2 2" << 2 << true << 4;
        QTest::newRow("ten equal, all dated today") << twos << 2 << false << kNothingWritten;
    }

    void resultDialogJudgesAndStoresByTheEntryRules()
    {
        QFETCH(QString, earlier);
        QFETCH(int, remaining);
        QFETCH(bool, offered);
        QFETCH(int, written);
        EndOfGame game;
        QStringList expected;
        for (const QString& count : earlier.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString name = QStringLiteral("Hráč %1").arg(expected.size());
            const QDate date = QDate::currentDate().addDays(count.endsWith(QLatin1Char('-')) ? -1 : 0);
            game.add(kStandard, name, count.left(1).toInt(), date);
            expected << entry(name, count.left(1).toInt(), date);
        }
        // A full other game, which neither counts nor changes.
        for (int i = 0; i < 10; ++i)
            game.add(QStringLiteral("9"), QStringLiteral("Jiný %1").arg(i), 1);
        const QStringList otherGame = game.entries(QStringLiteral("9"));

        ResultBalloon dialog(game.shell.services, *game.module);
        showResult(dialog, pelikor::standardGame(), remaining);
        QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->isEnabled(), offered);
        QCOMPARE(child<QLabel>(dialog, "nameCaption")->isEnabled(), offered);
        typeText(child<QLineEdit>(dialog, "nameEdit"), kNewName);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isHidden());

        if (written == kAppended)
            expected << entry(kNewName, remaining);
        else if (written >= 0)
            expected[written] = entry(kNewName, remaining);
        QStringList stored = game.entries(kStandard);
        stored.sort();
        expected.sort();
        QCOMPARE(stored, expected);
        QCOMPARE(game.entries(QStringLiteral("9")), otherGame);
    }

    // Enter and Esc, on the form or in the name field, and "Ok" all close
    // and store; the main window goes idle before the store and is refilled
    // after it, as the dialog closes. Other keys edit the name.
    void everyWayOutStoresAndClosesInOrder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key"); // 0: a click
        QTest::newRow("Enter in the name field") << "nameEdit" << int(Qt::Key_Return);
        QTest::newRow("Esc in the name field") << "nameEdit" << int(Qt::Key_Escape);
        QTest::newRow("keypad Enter on the form") << "" << int(Qt::Key_Enter);
        QTest::newRow("Esc on the form") << "" << int(Qt::Key_Escape);
        QTest::newRow("Ok") << "okButton" << 0;
    }

    void everyWayOutStoresAndClosesInOrder()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        EndOfGame game;
        ResultBalloon dialog(game.shell.services, *game.module);
        QStringList steps;
        connect(&dialog, &ResultBalloon::returnToIdle, [&] { steps << QStringLiteral("idle"); });
        connect(&dialog, &ResultBalloon::resultClosed, [&] { steps << game.entries(kStandard).join(QString()); });
        showResult(dialog, pelikor::standardGame(), 3);
        QVERIFY(game.locked());
        auto* name = child<QLineEdit>(dialog, "nameEdit");
        typeText(name, QStringLiteral("Ája"));
        QTest::keyClick(name, Qt::Key_X);
        QWidget* target = control.isEmpty() ? &dialog : dialog.findChild<QWidget*>(control);
        if (key == 0)
            QTest::mouseClick(target, Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key));
        QVERIFY(dialog.isHidden() && !game.locked());
        QCOMPARE(steps, (QStringList{QStringLiteral("idle"), entry(QStringLiteral("Ájax"), 3)}));
    }

    // Each showing starts from an empty name, with the fewest pegs of the
    // game that ended, and sounds once.
    void everyShowingStartsAfresh()
    {
        EndOfGame game;
        ResultBalloon dialog(game.shell.services, *game.module);
        auto* name = child<QLineEdit>(dialog, "nameEdit");
        for (const auto& [number, fewest] : {std::pair{6, "2"}, {1, "1"}}) {
            showResult(dialog, pelikor::optionalGame(number), 4);
            QVERIFY(name->text().isEmpty());
            QCOMPARE(child<QLabel>(dialog, "smallestRemainderLabel")->text(), QLatin1String(fewest));
            typeText(name, QStringLiteral("Eva"));
            QTest::keyClick(name, Qt::Key_Return);
        }
        QCOMPARE(game.shell.cues.count(QStringLiteral("Dialog.wav")), 2);
    }

    // Both questions: "Dotaz.wav" on show, Enter answers "Ano", Esc "Ne",
    // other keys nothing. The end-game question shows the clearing
    // question's sign 20 pixels higher, its top cut off by the balloon.
    void questionsAnswerByButtonAndKey()
    {
        EndOfGame game;
        GiveUpQuestion giveUpQuestion(game.shell.services);
        ClearTableQuestion clearQuestion(game.shell.services, *game.module);
        QSignalSpy abandoned(&giveUpQuestion, &GiveUpQuestion::gameAbandoned);
        game.add(kStandard, QStringLiteral("zůstane"), 3);
        const auto ask = [&](QuestionBalloon& question, Qt::Key key) {
            question.open();
            QVERIFY(question.isVisible() && game.locked());
            QTest::keyClick(&question, Qt::Key_N);
            QTest::keyClick(&question, key);
            QVERIFY(question.isHidden() && !game.locked());
        };
        ask(giveUpQuestion, Qt::Key_Escape);
        QCOMPARE(abandoned.count(), 0);
        ask(giveUpQuestion, Qt::Key_Return);
        QCOMPARE(abandoned.count(), 1);
        ask(clearQuestion, Qt::Key_Escape);
        QCOMPARE(game.entries(kStandard).size(), 1);
        ask(clearQuestion, Qt::Key_Return);
        QVERIFY(game.entries(kStandard).isEmpty());
        QCOMPARE(game.shell.cues.count(QStringLiteral("Dotaz.wav")), 4);

        auto* raisedSign = child<QLabel>(giveUpQuestion, "warningPicture");
        auto* sign = child<QLabel>(clearQuestion, "warningPicture");
        QCOMPARE(raisedSign->geometry(), QRect(5, -15, 35, 35));
        QCOMPARE(sign->geometry(), QRect(5, 5, 35, 35));
        QVERIFY(!sign->pixmap().isNull());
        QCOMPARE(raisedSign->pixmap().toImage(), sign->pixmap().toImage());
    }

    // Every tab lists its own game from the fewest pegs left to the most,
    // equal counts in file order; the view always opens on "Standardní"
    // and leaves the selection of the last tab shown.
    void tableViewListsEachGameBestFirst()
    {
        EndOfGame game;
        for (int tab = 0; tab < pelikor::kGameCount; tab += 2)
            for (int n : {1, 2, 3})
                game.add(codeOfTab(tab), QStringLiteral("%1-%2").arg(codeOfTab(tab)).arg(n), n == 2 ? 2 : 4);
        BestTableView view(game.shell.services, *game.module);
        auto* pages = child<QTabWidget>(view, "pages");
        auto* ok = child<QPushButton>(view, "okButton");
        // Both lie in the inner panel, 2 pixels in from the window's edge.
        QCOMPARE(pages->mapTo(&view, QPoint()), QPoint(10, 10));
        QCOMPARE(ok->mapTo(&view, QPoint()), QPoint(160, 242));
        pages->setCurrentIndex(3);
        view.showDialog();
        QVERIFY(game.locked());
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(view.focusWidget(), ok);

        const char* const grids[] = {"grid1", "grid2", "grid3", "grid4", "grid5", "grid6", "grid7", "grid8"};
        for (int tab = 0; tab < pelikor::kGameCount; ++tab) {
            pages->setCurrentIndex(tab);
            auto* grid = pages->widget(tab)->findChild<BestGrid*>(QLatin1String(grids[tab]));
            QVERIFY2(grid, grids[tab]);
            QStringList shown;
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                shown << grid->model()->index(row, 0).data().toString();
            const QString code = codeOfTab(tab);
            const QStringList bestFirst{code + QStringLiteral("-2"), code + QStringLiteral("-1"), code + QStringLiteral("-3")};
            QCOMPARE(shown, tab % 2 == 0 ? bestFirst : QStringList());
        }
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(view.isHidden() && !game.locked());
        QCOMPARE(QString::fromUtf8(game.module->table.game()->code), QStringLiteral("10"));
        QVERIFY(game.module->table.order() == BestTable::Order::BestFirst);
        view.showDialog();
        QCOMPARE(QString::fromUtf8(game.module->table.game()->code), kStandard);
        QTest::keyClick(&view, Qt::Key_Return);
        QVERIFY(view.isHidden());
    }

    // The grid's three titled columns keep their widths when the table
    // changes under them; the game code stays hidden.
    void gridKeepsItsColumnsThroughAReset()
    {
        EndOfGame game;
        QObject owner;
        BestGrid grid(*BestGrid::columnsOf(game.module->model, &owner), nullptr);
        game.add(kStandard, QStringLiteral("Jan"), 5);
        game.module->resetFromTemplate();
        QAbstractItemModel* rows = grid.model();
        QCOMPARE(rows->rowCount(), 0);
        const std::tuple<int, const char*, int, Qt::Alignment> columns[] = {
            {0, "Jméno", 230, Qt::AlignLeft}, {1, "Zbytek", 38, Qt::AlignLeft}, {3, "Datum", 64, Qt::AlignRight}};
        for (const auto& [column, title, width, heading] : columns) {
            QCOMPARE(rows->headerData(column, Qt::Horizontal).toString(), QString::fromUtf8(title));
            QCOMPARE(grid.horizontalHeader()->sectionSize(column), width);
            QCOMPARE(rows->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>()
                         & Qt::AlignHorizontal_Mask,
                     heading);
        }
        QVERIFY(grid.isColumnHidden(2));
    }
};

QTEST_MAIN(EndDialogsTest)
#include "end_dialogs_test.moc"
