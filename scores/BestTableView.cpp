#include "scores/BestTableView.h"

#include "dialogs/DialogControls.h"
#include "dialogs/Services.h"
#include "scores/BestGrid.h"
#include "scores/BestTableModule.h"
#include "setup/core/Games.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>

#include <array>
#include <utility>

namespace {

constexpr QSize kClientSize(396, 276);
constexpr int kInset = 2;
constexpr QRect kPagesPlace(8, 8, 377, 225);
constexpr QRect kOkButtonPlace(158, 240, 75, 25);
constexpr int kPageFontPixels = 11;
constexpr int kButtonFontPixels = 13;
constexpr QRect kGridPlace(8, 8, 354, 177);
// Lies over the grid's right edge, where its vertical scroll bar would be.
constexpr QRect kCoverPlace(344, 8, 25, 185);

// The keys of a tab control that turn its pages, for the whole window.
const std::array<std::pair<QKeyCombination, int>, 5> kPageKeys = {{
    {Qt::CTRL | Qt::Key_Tab, 1},
    {Qt::CTRL | Qt::Key_PageDown, 1},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
    {Qt::CTRL | Qt::Key_PageUp, -1},
}};

constexpr int kRaised = QFrame::Panel | QFrame::Raised;

QFrame* panel(QWidget* parent, const QString& name, const QRect& place, int frameStyle)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setFrameStyle(frameStyle);
    panel->setAutoFillBackground(true);
    return panel;
}

// The catalogue's captions in the program's language: "Standardní", then
// "Volitelná 7" down to "Volitelná 1".
QString pageCaption(int index)
{
    const int option = pelikor::kGames[std::size_t(index)].optionalNumber;
    return option == 0 ? BestTableView::tr("Standardní") : BestTableView::tr("Volitelná %1").arg(option);
}

} // namespace

BestTableView::BestTableView(Services& services, BestTableModule& bestTable)
    : ProgramDialog(services.owners, kClientSize), bestTable_(bestTable)
{
    setObjectName(QStringLiteral("BestTableView"));
    setAccessibleName(tr("Tabulka nejlepších hráčů"));
    QFrame* outer = panel(this, QStringLiteral("outerPanel"), rect(), kRaised);
    QFrame* inner = panel(outer, QStringLiteral("innerPanel"), rect().adjusted(kInset, kInset, -kInset, -kInset), kRaised);

    pages_ = new QTabWidget(inner);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->setGeometry(kPagesPlace);
    pages_->setFont(DialogControls::font(DialogControls::kTimesNewRoman, kPageFontPixels));
    for (int index = 0; index < pelikor::kGameCount; ++index) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("page%1").arg(index + 1));
        pages_->addTab(sheet, pageCaption(index));
        panel(sheet, QStringLiteral("cover%1").arg(index + 1), kCoverPlace, QFrame::NoFrame);
    }
    // Connected once every tab is there, so that adding them selects nothing.
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != turningTo_)
            showGamePage(index);
    });

    okButton_ = new QPushButton(tr("Ok"), inner);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setFont(DialogControls::font(DialogControls::kTimesNewRoman, kButtonFontPixels));
    okButton_->setGeometry(kOkButtonPlace);
    // The button Enter closes with, so marked however the focus came to it.
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &BestTableView::acknowledge);
    passDialogKeys(okButton_);

    for (const auto& [keys, step] : kPageKeys)
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, [this, step = step] { turnPage(step); });
}

void BestTableView::createGrids()
{
    QAbstractItemModel* columns = BestGrid::columnsOf(bestTable_.model, this);
    for (int index = 0; index < pelikor::kGameCount; ++index) {
        QWidget* sheet = pages_->widget(index);
        auto* grid = new BestGrid(*columns, sheet);
        grid->setObjectName(QStringLiteral("grid%1").arg(index + 1));
        grid->setAccessibleName(tr("Nejlepší hráči: %1").arg(pages_->tabText(index)));
        grid->setGeometry(kGridPlace);
        // Under the panel that covers the grid's lower part.
        grid->stackUnder(sheet->findChild<QFrame*>(QStringLiteral("cover%1").arg(index + 1)));
        if (sheet->isVisible())
            grid->show();
    }
}

void BestTableView::prepareToShow()
{
    if (!pages_->widget(0)->findChild<BestGrid*>())
        createGrids();
    showGamePage(0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    pages_->setCurrentIndex(0);
    okButton_->setFocus();
}

void BestTableView::showGamePage(int index)
{
    bestTable_.table.show(pelikor::kGames[std::size_t(index)], BestTable::Order::BestFirst);
}

void BestTableView::turnPage(int step)
{
    const int count = pages_->count();
    turningTo_ = (pages_->currentIndex() + step + count) % count;
    // The grids take the game's rows before its page shows: a grid that
    // takes the focus as it shows tells of its current cell, and rows
    // changed after that would destroy the cell a reader was just told of.
    showGamePage(turningTo_);
    pages_->setCurrentIndex(turningTo_);
    turningTo_ = -1;
}

void BestTableView::acknowledge()
{
    close();
}

void BestTableView::handleKey(int key)
{
    if (key == kKeyEscape || key == kKeyEnter)
        close();
}
