#include "BestGrid.h"
#include "BestTableEntries.h"
#include "BestTableFolder.h"
#include "Games.h"
#include "ShellFixture.h"
#include "TDataModule1.h"
#include "TDotazKonecDialog.h"
#include "TGratulujiDialog.h"
#include "TOfficeButton.h"
#include "TTabulkaDialog.h"
#include "TVymazatDialog.h"
#include "TVysledekDialog.h"
#include "TypeText.h"

#include <QFile>
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
const QString kOtherGame = QStringLiteral("9");
const QString kNewName = QStringLiteral("Nový Řehoř");

// The shell's services and an open best table on a fresh application folder.
struct EndOfGame {
    ShellFixture shell;
    std::unique_ptr<TDataModule1> module;

    explicit EndOfGame(bool withTemplate = true)
    {
        layOutBestTable(shell.applicationDir, withTemplate);
        module = std::make_unique<TDataModule1>(shell.applicationDir);
        module->Table1.open();
    }

    void add(const QString& code, const QString& name, int tahy, const QDate& date = QDate::currentDate())
    {
        BestTableEntries::add(*module, code, name, tahy, date);
    }
    QStringList entries(const QString& code) { return BestTableEntries::of(*module, code); }
    int dialogCues() const { return int(shell.cues.count(QStringLiteral("Dialog.wav"))); }
};

QString entry(const QString& name, int tahy, const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(name).arg(tahy).arg(BestTableEntries::dateText(date));
}

// The result dialog as the hand-off fills and shows it.
void showResult(TVysledekDialog& dialog, const QString& code, int remaining)
{
    dialog.Kontrola().setText(code);
    dialog.Label7().setText(QString::number(remaining));
    dialog.showDialog();
}

template <typename T> T* child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

} // namespace

class EndDialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The entry rules on real table files: which results are offered the
    // name field, and which record the closing store writes. Entries are
    // given by count and by whether they are dated before today.
    void resultDialogJudgesAndStoresByTheEntryRules_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QList<bool>>("datedBefore");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<int>("overwritten"); // index in file order, -1 for none
        QTest::addColumn<bool>("appended");
        const QList<int> mixed{1, 1, 2, 2, 2, 3, 3, 4, 4, 5};
        const QList<int> twos(10, 2);
        const QList<bool> today(10, false);
        QList<bool> firstBefore = today;
        firstBefore[0] = true;
        QList<bool> laterBefore = today;
        laterBefore[4] = true;
        QTest::newRow("first result") << QList<int>{} << QList<bool>{} << 17 << true << -1 << true;
        QTest::newRow("nine entries, worse than all") << QList<int>(9, 1) << QList<bool>(9, false) << 20 << true << -1 << true;
        QTest::newRow("ten, beats the worst") << mixed << today << 4 << true << 9 << false;
        QTest::newRow("ten, equal to the worst, smaller ones exist") << mixed << today << 5 << false << -1 << false;
        QTest::newRow("ten, worse than all") << mixed << today << 6 << false << -1 << false;
        QTest::newRow("ten, the worst twice: the later one goes") << QList<int>{1, 1, 1, 1, 1, 1, 1, 3, 3, 1} << today << 2 << true << 8 << false;
        QTest::newRow("ten equal, the earliest dated before") << twos << firstBefore << 2 << true << 0 << false;
        QTest::newRow("ten equal, all dated today") << twos << today << 2 << false << -1 << false;
        QTest::newRow("ten equal, only a later one dated before") << twos << laterBefore << 2 << true << 4 << false;
    }

    void resultDialogJudgesAndStoresByTheEntryRules()
    {
        QFETCH(QList<int>, counts);
        QFETCH(QList<bool>, datedBefore);
        QFETCH(int, remaining);
        QFETCH(bool, offered);
        QFETCH(int, overwritten);
        QFETCH(bool, appended);
        EndOfGame game;
        const QDate today = QDate::currentDate();
        const QDate before = today.addDays(-1);
        QStringList expected;
        for (int i = 0; i < counts.size(); ++i) {
            const QString name = QStringLiteral("Hráč %1").arg(i);
            game.add(kStandard, name, counts[i], datedBefore[i] ? before : today);
            expected << entry(name, counts[i], datedBefore[i] ? before : today);
        }
        // A full other game that must neither count nor change.
        for (int i = 0; i < 10; ++i)
            game.add(kOtherGame, QStringLiteral("Jiný %1").arg(i), 1);
        const QStringList otherGame = game.entries(kOtherGame);

        TVysledekDialog dialog(game.shell.services, *game.module);
        showResult(dialog, kStandard, remaining);
        auto* name = child<QLineEdit>(dialog, "Edit1");
        QCOMPARE(name->isEnabled(), offered);
        QCOMPARE(child<QLabel>(dialog, "Label8")->isEnabled(), offered);
        if (offered)
            typeText(name, kNewName);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isHidden());

        if (overwritten >= 0)
            expected[overwritten] = entry(kNewName, remaining, today);
        if (appended)
            expected << entry(kNewName, remaining, today);
        QStringList stored = game.entries(kStandard);
        stored.sort();
        expected.sort();
        QCOMPARE(stored, expected);
        QCOMPARE(game.entries(kOtherGame), otherGame);
    }

    // Enter and Esc, on the form or in the name field, and "Ok" all close
    // and store; the main window goes idle first and the board is refilled
    // as the dialog closes.
    void everyWayOutStoresAndClosesInOrder_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key"); // 0: a click on "Ok"
        QTest::newRow("Enter in the name field") << "Edit1" << int(Qt::Key_Return);
        QTest::newRow("Esc in the name field") << "Edit1" << int(Qt::Key_Escape);
        QTest::newRow("keypad Enter on the form") << "" << int(Qt::Key_Enter);
        QTest::newRow("Esc on the form") << "" << int(Qt::Key_Escape);
        QTest::newRow("Ok") << "OfficeButton1" << 0;
    }

    void everyWayOutStoresAndClosesInOrder()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        EndOfGame game;
        TVysledekDialog dialog(game.shell.services, *game.module);
        QStringList steps;
        connect(&dialog, &TVysledekDialog::returnToIdle, [&] { steps << QStringLiteral("idle"); });
        connect(&dialog, &TVysledekDialog::resultClosed, [&] {
            steps << QStringLiteral("closed:") + QString::number(game.entries(kStandard).size());
        });
        showResult(dialog, kStandard, 3);
        QVERIFY(!game.shell.mainWindow.isEnabled() && !game.shell.figure->isEnabled());
        QCOMPARE(game.dialogCues(), 1);

        auto* name = child<QLineEdit>(dialog, "Edit1");
        typeText(name, QStringLiteral("Ája"));
        QTest::keyClick(name, Qt::Key_X); // other keys edit the name
        QVERIFY(dialog.isVisible());
        QWidget* target = control.isEmpty() ? &dialog : dialog.findChild<QWidget*>(control);
        if (key == 0)
            QTest::mouseClick(target, Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key));

        QVERIFY(dialog.isHidden());
        QCOMPARE(steps, (QStringList{QStringLiteral("idle"), QStringLiteral("closed:1")}));
        QCOMPARE(game.entries(kStandard), QStringList{entry(QStringLiteral("Ájax"), 3, QDate::currentDate())});
        QVERIFY(game.shell.mainWindow.isEnabled() && game.shell.figure->isEnabled());
    }

    // A store that fails leaves the dialog open, the main window already
    // idle, and the next "Ok" stores.
    void aFailedStoreKeepsTheDialogOpenForAnotherTry()
    {
        EndOfGame game;
        TVysledekDialog dialog(game.shell.services, *game.module);
        QSignalSpy idle(&dialog, &TVysledekDialog::returnToIdle);
        QSignalSpy closed(&dialog, &TVysledekDialog::resultClosed);
        showResult(dialog, kStandard, 2);
        typeText(child<QLineEdit>(dialog, "Edit1"), kNewName);
        game.module->Table1.setWriteHooks({[](const std::filesystem::path&, std::size_t) {
                                               throw std::runtime_error("No space left on device");
                                           },
                                           {}});
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialog.OfficeButton1Click());
        QVERIFY(dialog.isVisible());
        QCOMPARE(idle.count(), 1);
        QCOMPARE(closed.count(), 0);
        QVERIFY(!game.shell.mainWindow.isEnabled());
        QVERIFY(game.entries(kStandard).isEmpty());

        game.module->Table1.setWriteHooks({});
        dialog.OfficeButton1Click();
        QVERIFY(dialog.isHidden());
        QCOMPARE(game.entries(kStandard), QStringList{entry(kNewName, 2, QDate::currentDate())});
    }

    // The show steps run when the dialog turns visible, not when a visible
    // one is asked to show again; each showing starts afresh. The fewest
    // pegs are those of the finished game.
    void showStepsRunOncePerShowing()
    {
        EndOfGame game;
        TVysledekDialog dialog(game.shell.services, *game.module);
        auto* name = child<QLineEdit>(dialog, "Edit1");
        auto* fewest = child<QLabel>(dialog, "Label6");
        dialog.setStartCount(28);
        showResult(dialog, QStringLiteral("5"), 4);
        QCOMPARE(child<QLabel>(dialog, "Label5")->text(), QStringLiteral("28"));
        QCOMPARE(fewest->text(), QStringLiteral("2"));
        typeText(name, QStringLiteral("Eva"));
        showResult(dialog, QStringLiteral("5"), 4);
        QCOMPARE(name->text(), QStringLiteral("Eva"));
        QCOMPARE(game.dialogCues(), 1);
        QTest::keyClick(name, Qt::Key_Return);

        showResult(dialog, QStringLiteral("10"), 1);
        QVERIFY(name->text().isEmpty());
        QCOMPARE(fewest->text(), QStringLiteral("1"));
        QCOMPARE(game.dialogCues(), 2);
    }

    void congratulationLeadsOnToTheResult_data()
    {
        QTest::addColumn<int>("key"); // 0: a click on "Ok"
        QTest::newRow("Ok") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void congratulationLeadsOnToTheResult()
    {
        QFETCH(int, key);
        EndOfGame game;
        TGratulujiDialog dialog(game.shell.services);
        QSignalSpy result(&dialog, &TGratulujiDialog::resultRequested);
        connect(&dialog, &TGratulujiDialog::resultRequested,
                [&] { QVERIFY2(dialog.isHidden(), "the congratulation closes before the result shows"); });
        dialog.showDialog();
        QCOMPARE(game.dialogCues(), 1);
        QVERIFY(!game.shell.mainWindow.isEnabled());
        QTest::keyClick(&dialog, Qt::Key_A);
        QVERIFY(dialog.isVisible());
        if (key == 0)
            QTest::mouseClick(child<TOfficeButton>(dialog, "OfficeButton1"), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key(key));
        QCOMPARE(result.count(), 1);
        QVERIFY(game.shell.mainWindow.isEnabled());
    }

    // Both questions: "Dotaz.wav" on show, Enter answers "Ano", Esc "Ne",
    // other keys nothing; the end-game question gives the game up only on
    // "Ano", and shows the clearing question's sign 20 pixels higher, its
    // top cut off by the balloon.
    void questionsAnswerByButtonAndKey()
    {
        EndOfGame game;
        TDotazKonecDialog dotazKonec(game.shell.services);
        TVymazatDialog vymazat(game.shell.services, *game.module);
        QSignalSpy abandoned(&dotazKonec, &TDotazKonecDialog::gameAbandoned);
        game.add(kStandard, QStringLiteral("zůstane"), 3);

        const auto ask = [&](QuestionBalloon& question, Qt::Key key) {
            question.open();
            QVERIFY(question.isVisible() && !game.shell.mainWindow.isEnabled());
            QTest::keyClick(&question, Qt::Key_N);
            QVERIFY(question.isVisible());
            QTest::keyClick(&question, key);
            QVERIFY(question.isHidden() && game.shell.mainWindow.isEnabled());
        };
        ask(dotazKonec, Qt::Key_Escape);
        QCOMPARE(abandoned.count(), 0);
        ask(dotazKonec, Qt::Key_Return);
        QCOMPARE(abandoned.count(), 1);
        ask(vymazat, Qt::Key_Escape);
        QCOMPARE(game.entries(kStandard).size(), 1);
        ask(vymazat, Qt::Key_Return);
        QVERIFY(game.entries(kStandard).isEmpty());
        QCOMPARE(game.shell.cues.count(QStringLiteral("Dotaz.wav")), 4);

        auto* raisedSign = child<QLabel>(dotazKonec, "Image1");
        auto* sign = child<QLabel>(vymazat, "Image1");
        QCOMPARE(raisedSign->geometry(), QRect(5, -15, 35, 35));
        QCOMPARE(sign->geometry(), QRect(5, 5, 35, 35));
        QCOMPARE(raisedSign->pixmap().toImage(), sign->pixmap().toImage());
        QVERIFY(!sign->pixmap().isNull());
    }

    // Without a template the reset is refused by name; the live table stays
    // open with its entries and the question stays for "Ne".
    void clearingWithoutATemplateChangesNothing()
    {
        EndOfGame game(false);
        game.add(kStandard, QStringLiteral("zůstane"), 3);
        TVymazatDialog vymazat(game.shell.services, *game.module);
        vymazat.open();
        try {
            vymazat.OfficeButton1Click();
            QFAIL("cleared without a template");
        } catch (const std::exception& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QStringLiteral("Zaloha/Pelkor.dbf")), error.what());
        }
        QVERIFY(vymazat.isVisible());
        QVERIFY(game.module->Table1.active());
        QCOMPARE(game.entries(kStandard).size(), 1);
        vymazat.OfficeButton2Click();
        QVERIFY(game.shell.mainWindow.isEnabled());
    }

    // Every tab lists its own game from the fewest pegs left to the most,
    // equal counts in file order; the view always opens on "Standardní"
    // and leaves the selection of the last tab shown.
    void tableViewListsEachGameBestFirst()
    {
        EndOfGame game;
        const auto codeOf = [](int tab) {
            const std::string_view code = pelikor::kGames[std::size_t(tab)].code;
            return QString::fromLatin1(code.data(), qsizetype(code.size()));
        };
        // Every other game has three entries, named by code and file order.
        for (int tab = 0; tab < pelikor::kGameCount; tab += 2)
            for (int n : {1, 2, 3})
                game.add(codeOf(tab), QStringLiteral("%1-%2").arg(codeOf(tab)).arg(n), n == 2 ? 2 : 4);
        TTabulkaDialog view(game.shell.services, *game.module);
        auto* pages = child<QTabWidget>(view, "PageControl1");
        auto* ok = child<QPushButton>(view, "Button1");
        pages->setCurrentIndex(3);
        view.showDialog();
        QVERIFY(!game.shell.mainWindow.isEnabled());
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(view.focusWidget(), ok);

        const char* const grids[] = {"DBGrid6", "DBGrid7", "DBGrid8", "DBGrid5", "DBGrid4", "DBGrid3", "DBGrid2", "DBGrid1"};
        for (int tab = 0; tab < pelikor::kGameCount; ++tab) {
            pages->setCurrentIndex(tab);
            const std::string_view caption = pelikor::kGames[std::size_t(tab)].caption;
            QCOMPARE(pages->tabText(tab), QString::fromUtf8(caption.data(), qsizetype(caption.size())));
            auto* grid = pages->widget(tab)->findChild<BestGrid*>(QLatin1String(grids[tab]));
            QVERIFY2(grid, grids[tab]);
            QStringList shown;
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                shown << grid->model()->index(row, 0).data().toString();
            const QString code = codeOf(tab);
            const QStringList bestFirst{code + QStringLiteral("-2"), code + QStringLiteral("-1"), code + QStringLiteral("-3")};
            QCOMPARE(shown, tab % 2 == 0 ? bestFirst : QStringList());
        }
        QTest::keyClick(ok, Qt::Key_Escape);
        QVERIFY(view.isHidden() && game.shell.mainWindow.isEnabled());
        QCOMPARE(game.module->Table1.filter(), QStringLiteral("HRA = '10'"));
        QCOMPARE(game.module->Table1.indexFieldNames(), QStringLiteral("TAHY"));

        view.showDialog();
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(game.module->Table1.filter(), QStringLiteral("HRA = '3'"));
        QTest::keyClick(&view, Qt::Key_Return);
        QVERIFY(view.isHidden());
    }

    // The grid shows three titled columns of their widths and alignments,
    // and keeps them when the table changes under it.
    void gridShowsThreeColumnsThroughEveryChange()
    {
        EndOfGame game;
        BestGrid grid(game.module->DataSource1, nullptr);
        game.module->Table1.selectGame(kStandard);
        game.add(kStandard, QStringLiteral("Jan"), 5);
        QHeaderView* titles = grid.horizontalHeader();
        QAbstractItemModel* rows = grid.model();
        const struct {
            int column;
            const char* title;
            int width;
            Qt::Alignment cells;
            Qt::Alignment heading;
        } columns[] = {
            {0, "Jméno", 230, Qt::AlignLeft, Qt::AlignLeft},
            {1, "Zbytek", 38, Qt::AlignHCenter, Qt::AlignLeft},
            {3, "Datum", 64, Qt::AlignRight, Qt::AlignRight},
        };
        for (const auto& c : columns) {
            QCOMPARE(rows->headerData(c.column, Qt::Horizontal).toString(), QString::fromUtf8(c.title));
            QCOMPARE(titles->sectionSize(c.column), c.width);
            QCOMPARE(rows->index(0, c.column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, c.cells);
            QCOMPARE(rows->headerData(c.column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask, c.heading);
        }
        QVERIFY(grid.isColumnHidden(2));
        QVERIFY(grid.verticalHeader()->isHidden());
        QVERIFY(!grid.showGrid());
        QVERIFY(grid.tabKeyNavigation());
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("Jan"));
        QVERIFY(titles->font().bold());

        game.module->resetFromTemplate();
        QCOMPARE(rows->rowCount(), 0);
        QCOMPARE(titles->count(), 4);
        QCOMPARE(titles->sectionSize(0), 230);
        QVERIFY(grid.isColumnHidden(2));
    }
};

QTEST_MAIN(EndDialogsTest)
#include "end_dialogs_test.moc"
