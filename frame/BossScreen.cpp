#include "frame/BossScreen.h"

#include "frame/FolderOutline.h"
#include "frame/PlanChart.h"
#include "widgets/Background.h"
#include "widgets/Frame3D.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDir>
#include <QFrame>
#include <QLocale>
#include <QTreeView>

namespace {

constexpr QRect kPlace(3, 29, 396, 392);
constexpr QRect kCalendarPanelPlace(5, 5, 193, 169);
constexpr QSize kCalendarSize(183, 153);
constexpr QRect kFolderPanelPlace(200, 5, 190, 169);
constexpr QSize kOutlineSize(180, 157);
constexpr QRect kChartPanelPlace(5, 180, 385, 205);

// A raised panel in the button face colour.
QFrame* makePanel(QWidget* parent, const QString& name, const QRect& place)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    setBackground(panel, kClSilver);
    return panel;
}

QRect centredIn(const QRect& place, QSize size)
{
    return {(place.width() - size.width()) / 2, (place.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace

BossScreen::BossScreen(QWidget* parent) : QWidget(parent), startFolder_(QDir::currentPath())
{
    setObjectName(QStringLiteral("bossScreen"));
    setGeometry(kPlace);
    setBackground(this, kClGray);
    hide();

    calendarPanel_ = makePanel(this, QStringLiteral("calendarPanel"), kCalendarPanelPlace);

    QFrame* folderPanel = makePanel(this, QStringLiteral("folderPanel"), kFolderPanelPlace);
    folderTree_ = new QTreeView(folderPanel);
    folderTree_->setObjectName(QStringLiteral("folderTree"));
    folderTree_->setGeometry(centredIn(kFolderPanelPlace, kOutlineSize));
    folderTree_->setHeaderHidden(true);
    folderTree_->setUniformRowHeights(true);

    QFrame* chartPanel = makePanel(this, QStringLiteral("chartPanel"), kChartPanelPlace);
    auto* chart = new PlanChart(chartPanel);
    chart->setObjectName(QStringLiteral("planChart"));
    chart->setGeometry(chartPanel->rect());
}

// The calendar and the folder tree are made when the screen is first
// shown, not at every start: the calendar costs the start as much as a
// window of its own. The tree fills in the background; it shows the folder
// the program was started in, wherever the sound cues have moved the
// current directory since.
void BossScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (calendar_)
        return;
    calendar_ = new QCalendarWidget(calendarPanel_);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setGeometry(centredIn(kCalendarPanelPlace, kCalendarSize));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // In the program's language; Czech, its own, until one is chosen.
    const QLocale chosen;
    calendar_->setLocale(chosen.language() == QLocale::C ? QLocale(QLocale::Czech, QLocale::CzechRepublic) : chosen);
    calendar_->setSelectedDate(QDate::currentDate());
    calendar_->show();
    // Made after the tree, it would follow it in the Tab order.
    QWidget::setTabOrder(calendar_, folderTree_);

    auto* folders = new FolderOutline(startFolder_, folderTree_);
    folderTree_->setModel(folders);
    const auto showStart = [this, folders] {
        const QModelIndex start = folders->startIndex();
        folderTree_->setCurrentIndex(start);
        folderTree_->scrollTo(start);
    };
    showStart();
    // The folders listed before it on its way move it down the tree.
    connect(folders, &FolderOutline::wayListed, this, showStart);
}
