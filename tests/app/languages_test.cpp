#include "frame/HelpBalloon.h"
#include "frame/StatusBar.h"
#include "scores/ResultBalloon.h"
#include "scores/core/DbaseError.h"
#include "services/CoreErrorText.h"
#include "services/ProgramLanguage.h"
#include "tests/support/ProgramFixture.h"
#include "widgets/FlatButton.h"
#include "widgets/LinkLabel.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include <functional>

namespace {

// The pseudo-language: every text that goes through a translation comes
// back in brackets, so a text that skips it stands out.
class BracketTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return source && *source ? QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']') : QString();
    }
    bool isEmpty() const override { return false; }
};

// What a player sees of one control: its texts, hints and accessible name.
QStringList textsOf(QObject* object)
{
    QStringList texts;
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        texts << widget->statusTip() << widget->toolTip() << widget->accessibleName()
              << widget->accessibleDescription();
        if (widget->isWindow())
            texts << widget->windowTitle();
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget))
            for (int index = -1; index < face->childCount(); ++index) {
                QAccessibleInterface* part = index < 0 ? face : face->child(index);
                texts << part->text(QAccessible::Name) << part->text(QAccessible::Description);
            }
    }
    if (auto* action = qobject_cast<QAction*>(object))
        texts << action->text() << action->statusTip() << action->toolTip();
    if (auto* label = qobject_cast<QLabel*>(object))
        texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        texts << button->text();
    if (auto* link = qobject_cast<LinkLabel*>(object))
        texts << link->caption();
    if (auto* button = qobject_cast<FlatButton*>(object))
        texts << button->caption();
    if (auto* tabs = qobject_cast<QTabBar*>(object))
        for (int index = 0; index < tabs->count(); ++index)
            texts << tabs->tabText(index);
    if (auto* header = qobject_cast<QHeaderView*>(object); header && header->model())
        for (int section = 0; section < header->count(); ++section)
            texts << header->model()->headerData(section, header->orientation()).toString();
    return texts;
}

// Data rather than words: the player's folders on the boss screen, Qt's
// calendar with the locale's own names, the table's entries.
bool showsData(QObject* object)
{
    for (QObject* up = object; up; up = up->parent())
        if (up->objectName() == QLatin1String("folderTree") || up->objectName() == QLatin1String("calendar"))
            return true;
    return false;
}

// A text is marked when every word of it stands in brackets, alone or
// composed with others ("[Zbylé kameny]: 31"); the program's name and
// numbers stay as they are in every language.
bool isMarked(const QString& text)
{
    static const QRegularExpression innermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
    static const QRegularExpression word(QStringLiteral("\\p{L}"));
    QString rest = QString(text).remove(QLatin1Char('&')).remove(QStringLiteral("Pelikor 2000"));
    while (rest.contains(innermost))
        rest.remove(innermost);
    return !rest.contains(word);
}

QStringList unmarkedTexts()
{
    QStringList unmarked;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QList<QObject*> objects = window->findChildren<QObject*>();
        objects.prepend(window);
        for (QObject* object : objects)
            for (const QString& text : textsOf(object))
                if (!showsData(object) && !isMarked(text))
                    unmarked << QStringLiteral("%1 in %2: %3").arg(object->objectName(), window->objectName(), text);
    }
    unmarked.removeDuplicates();
    return unmarked;
}

// How a text outgrows the place it is drawn in, or nothing when it fits.
// A single line is measured by its ink; of each wrapped line the pixel row
// that Qt's line height adds under the descent may be cut.
QString misfit(const QFontMetrics& metrics, const QRect& place, int flags, const QString& text)
{
    QRect needed = metrics.boundingRect(place, flags, text);
    if (flags & Qt::TextSingleLine)
        needed.setWidth(metrics.boundingRect(QString(text).remove(QLatin1Char('&'))).right() + 1);
    const int lines = std::max(1, qRound(double(needed.height()) / metrics.lineSpacing()));
    if (needed.width() <= place.width() && needed.height() <= place.height() + lines)
        return {};
    return QStringLiteral("%1x%2 in %3x%4: %5")
        .arg(needed.width()).arg(needed.height()).arg(place.width()).arg(place.height()).arg(text);
}

QString misfitOf(QWidget* control)
{
    const QFontMetrics metrics(control->font());
    if (auto* link = qobject_cast<LinkLabel*>(control))
        return misfit(metrics, link->textRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, link->caption());
    if (auto* button = qobject_cast<FlatButton*>(control))
        return misfit(metrics, button->rect(), Qt::AlignCenter | Qt::TextSingleLine, button->caption());
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty())
        return misfit(metrics, label->contentsRect(),
                      int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine),
                      label->text());
    if (auto* box = qobject_cast<QCheckBox*>(control); box && box->sizeHint().width() > box->width())
        return QStringLiteral("%1 in %2: %3").arg(box->sizeHint().width()).arg(box->width()).arg(box->text());
    if (auto* button = qobject_cast<QPushButton*>(control))
        return misfit(metrics, button->rect().adjusted(3, 3, -3, -3), Qt::AlignCenter | Qt::TextSingleLine,
                      button->text());
    if (auto* header = qobject_cast<QHeaderView*>(control))
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, header->orientation()).toString();
            const QRect place(0, 0, header->sectionSize(section) - 4, header->height());
            if (const QString wrong = misfit(metrics, place, Qt::AlignLeft | Qt::AlignVCenter, text); !wrong.isEmpty())
                return wrong;
        }
    return {};
}

// The width of every hint in the status bar's font, by what shows it.
using HintWidths = QMap<QString, int>;

// Every text of every window drawn whole in its rectangle, the controls
// inside their windows; the hints measured.
QStringList misfits(StatusBar& statusBar, HintWidths& hints)
{
    QStringList found;
    const QFontMetrics hintMetrics(statusBar.font());
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QObject* object : window->findChildren<QObject*>()) {
            auto* control = qobject_cast<QWidget*>(object);
            auto* action = qobject_cast<QAction*>(object);
            const QString hint = control ? control->statusTip() : action ? action->statusTip() : QString();
            hints[window->objectName() + QLatin1Char('/') + object->objectName()] =
                hintMetrics.horizontalAdvance(QStringLiteral("      ") + hint);
            // Menus are windows of their own that size themselves; a label
            // hidden for good is never seen.
            if (!control || control->isWindow() || control->isHidden() || showsData(control)
                || control->objectName().isEmpty())
                continue;
            if (const QString wrong = misfitOf(control); !wrong.isEmpty())
                found << QStringLiteral("%1 in %2: %3").arg(control->objectName(), window->objectName(), wrong);
            if (!control->parentWidget()->rect().contains(control->geometry()) && !textsOf(control).join(QString()).isEmpty())
                found << QStringLiteral("%1 in %2 sticks out of its parent").arg(control->objectName(), window->objectName());
        }
    found.removeDuplicates();
    return found;
}

// The whole program with every window made and the texts that change
// shown one after another: each help topic, a result with its name field.
void throughEveryText(ProgramFixture& program, const std::function<void()>& look)
{
    program.start();
    look();
    HelpBalloon& help = program.windows->helpBalloon();
    for (int topic = 0; topic < 7; ++topic) {
        help.showTopic(topic);
        look();
    }
    program.windows->resultBalloon().setStartCount(32);
    program.child<QAction>("bossScreenAction")->trigger();
    look();
    program.child<QAction>("bossScreenAction")->trigger();
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    // No text a player sees, hears read or is told skips the translation.
    void everyTextIsTranslated()
    {
        BracketTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        {
            ProgramFixture program;
            throughEveryText(program, [] {
                const QStringList unmarked = unmarkedTexts();
                QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
            });
            const pelikor::FileError denied(pelikor::FileAction::Write, "/x/Pelkor.mdx", 13);
            QVERIFY(isMarked(errorText(pelikor::DbaseError(denied))));
            QVERIFY(isMarked(errorText(pelikor::DbaseError(pelikor::TableFault::NoFolder, {}).keepingTable())));
            QMessageBox box(QMessageBox::Critical, QStringLiteral("x"), QStringLiteral("y"), QMessageBox::Ok);
            QVERIFY(isMarked(box.button(QMessageBox::Ok)->text()));
        }
        QCoreApplication::removeTranslator(&pseudo);
    }

    // Each window keeps its size in every language, so each text must fit
    // the place it is drawn in, in Czech as in every translation the build
    // lays out. A hint fits the status bar's panel, or is no wider than the
    // Czech one, which the panel has always cut.
    void everyTextFitsItsPlace()
    {
        const QString appDir = qEnvironmentVariable("PELIKOR_TEST_APP_DIR");
        const QStringList translated = ProgramLanguage::translatedLanguages(appDir + QStringLiteral("/translations"));
        QVERIFY(translated.contains(QStringLiteral("en")));
        QMap<QString, HintWidths> hints;
        for (const QString& language : QStringList{QStringLiteral("cs")} + translated) {
            qputenv("LANGUAGE", language.toLatin1());
            const ProgramLanguage chosen(appDir.toStdString());
            QCOMPARE(chosen.language(), language);
            ProgramFixture program;
            QStringList found;
            StatusBar& statusBar = *program.main().findChild<StatusBar*>();
            throughEveryText(program, [&] { found << misfits(statusBar, hints[language]); });
            found.removeDuplicates();
            QVERIFY2(found.isEmpty(), qPrintable(language + QLatin1Char('\n') + found.join(QLatin1Char('\n'))));
            const int panel = statusBar.panelRect(0).width() - 2;
            for (auto [shows, width] : hints[language].asKeyValueRange())
                QVERIFY2(width <= std::max(panel, hints[QStringLiteral("cs")].value(shows)), qPrintable(shows));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
