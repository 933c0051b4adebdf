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

constexpr QRect kSefPlace(3, 29, 396, 392);
constexpr QRect kPanel2Place(5, 5, 193, 169);
constexpr QSize kCalendarSize(183, 153);
constexpr QRect kPanel4Place(200, 5, 190, 169);
constexpr QSize kOutlineSize(180, 157);
constexpr QRect kPanel3Place(5, 180, 385, 205);

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
    setObjectName(QStringLiteral("Sef"));
    setGeometry(kSefPlace);
    setBackground(this, kClGray);
    hide();

    calendarPanel_ = makePanel(this, QStringLiteral("Panel2"), kPanel2Place);

    QFrame* panel4 = makePanel(this, QStringLiteral("Panel4"), kPanel4Place);
    DirectoryOutline1_ = new QTreeView(panel4);
    DirectoryOutline1_->setObjectName(QStringLiteral("DirectoryOutline1"));
    DirectoryOutline1_->setGeometry(centredIn(kPanel4Place, kOutlineSize));
    DirectoryOutline1_->setHeaderHidden(true);
    DirectoryOutline1_->setUniformRowHeights(true);

    QFrame* panel3 = makePanel(this, QStringLiteral("Panel3"), kPanel3Place);
    auto* chart = new PlanChart(panel3);
    chart->setObjectName(QStringLiteral("PlanChart"));
    chart->setGeometry(panel3->rect());
}

// The calendar and the folder tree are made when the screen is first
// shown, not at every start: the calendar costs the start as much as a
// window of its own. The tree fills in the background; it shows the folder
// the program was started in, wherever the sound cues have moved the
// current directory since.
void BossScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (MonthCalendar1_)
        return;
    MonthCalendar1_ = new QCalendarWidget(calendarPanel_);
    MonthCalendar1_->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1_->setGeometry(centredIn(kPanel2Place, kCalendarSize));
    MonthCalendar1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1_->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    MonthCalendar1_->setSelectedDate(QDate::currentDate());
    MonthCalendar1_->show();
    // Made after the tree, it would follow it in the Tab order.
    QWidget::setTabOrder(MonthCalendar1_, DirectoryOutline1_);

    auto* folders = new FolderOutline(startFolder_, DirectoryOutline1_);
    DirectoryOutline1_->setModel(folders);
    const auto showStart = [this, folders] {
        const QModelIndex start = folders->startIndex();
        DirectoryOutline1_->setCurrentIndex(start);
        DirectoryOutline1_->scrollTo(start);
    };
    showStart();
    // The folders listed before it on its way move it down the tree.
    connect(folders, &FolderOutline::wayListed, this, showStart);
}
