#include "frame/Sef.h"

#include "frame/PlanChart.h"
#include "widgets/Background.h"
#include "widgets/Frame3D.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QCalendarWidget>
#include <QDate>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QLocale>
#include <QStyle>
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

// Every folder with the style's folder icon and no type: the usual icons
// and types look into the files themselves, which blocks the program on a
// pipe or a device.
class FolderIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType) const override { return folder(); }
    QIcon icon(const QFileInfo&) const override { return folder(); }
    QString type(const QFileInfo&) const override { return {}; }

private:
    static QIcon folder() { return QApplication::style()->standardIcon(QStyle::SP_DirIcon); }
};

QRect centredIn(const QRect& place, QSize size)
{
    return {(place.width() - size.width()) / 2, (place.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace

Sef::Sef(QWidget* parent) : QWidget(parent), startFolder_(QDir::currentPath())
{
    setObjectName(QStringLiteral("Sef"));
    setGeometry(kSefPlace);
    setBackground(this, kClGray);
    hide();

    QFrame* panel2 = makePanel(this, QStringLiteral("Panel2"), kPanel2Place);
    MonthCalendar1_ = new QCalendarWidget(panel2);
    MonthCalendar1_->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1_->setGeometry(centredIn(kPanel2Place, kCalendarSize));
    MonthCalendar1_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1_->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    MonthCalendar1_->setSelectedDate(QDate::currentDate());

    QFrame* panel4 = makePanel(this, QStringLiteral("Panel4"), kPanel4Place);
    DirectoryOutline1_ = new QTreeView(panel4);
    DirectoryOutline1_->setObjectName(QStringLiteral("DirectoryOutline1"));
    DirectoryOutline1_->setGeometry(centredIn(kPanel4Place, kOutlineSize));
    DirectoryOutline1_->setHeaderHidden(true);

    QFrame* panel3 = makePanel(this, QStringLiteral("Panel3"), kPanel3Place);
    auto* chart = new PlanChart(panel3);
    chart->setObjectName(QStringLiteral("PlanChart"));
    chart->setGeometry(panel3->rect());
}

// The folder tree is read when the screen is first shown, not at every
// start; it shows the folder the program was started in, wherever the sound
// cues have moved the current directory since.
void Sef::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (DirectoryOutline1_->model())
        return;
    auto* folders = new QFileSystemModel(DirectoryOutline1_);
    static FolderIcons icons;
    folders->setIconProvider(&icons);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    const QModelIndex current = folders->setRootPath(startFolder_);
    DirectoryOutline1_->setModel(folders);
    for (int column = 1; column < folders->columnCount(); ++column)
        DirectoryOutline1_->hideColumn(column);
    DirectoryOutline1_->setCurrentIndex(current);
    DirectoryOutline1_->scrollTo(current);
}
