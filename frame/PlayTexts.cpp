#include "frame/PlayTexts.h"

#include "game/core/Positions.h"

#include <QCoreApplication>

namespace PlayTexts {

namespace {

// Czech counts take one form for 1, another for 2 to 4, a third for the rest.
QString counted(int count, const QString& one, const QString& few, const QString& many)
{
    const QString& noun = count == 1 ? one : (count >= 2 && count <= 4 ? few : many);
    return QStringLiteral("%1 %2").arg(count).arg(noun);
}

// A position by its row and column counted from 1, in the words `form`
// puts them in.
QString place(const QString& form, int n)
{
    return form.arg(pelikor::rowOf(n) + 1).arg(pelikor::columnOf(n) + 1);
}

} // namespace

QString pegs(int count)
{
    return counted(count, QCoreApplication::translate("PlayTexts", "kámen"),
                   QCoreApplication::translate("PlayTexts", "kameny"), QCoreApplication::translate("PlayTexts", "kamenů"));
}

QString moves(int count)
{
    return counted(count, QCoreApplication::translate("PlayTexts", "tah"), QCoreApplication::translate("PlayTexts", "tahy"),
                   QCoreApplication::translate("PlayTexts", "tahů"));
}

QString hint(int bestFinish, int gameBestFinish)
{
    if (bestFinish > gameBestFinish)
        return QCoreApplication::translate("PlayTexts", "Nejlepší konec je ztracen, odtud %1.").arg(pegs(bestFinish));
    return QCoreApplication::translate("PlayTexts", "Nápověda: nejlepší konec odtud – %1.").arg(pegs(bestFinish));
}

QString spokenHint(const pelikor::Jump& jump, int bestFinish, int gameBestFinish)
{
    QString told =
        QCoreApplication::translate("PlayTexts", "Nápověda: skočte z %1 na %2.")
            .arg(place(QCoreApplication::translate("PlayTexts", "řady %1, sloupce %2"), jump.source),
                 place(QCoreApplication::translate("PlayTexts", "řadu %1, sloupec %2"), jump.target));
    if (bestFinish > gameBestFinish)
        told += QCoreApplication::translate("PlayTexts", " Nejlepší konec hry, %1, je ztracen.").arg(pegs(gameBestFinish));
    return told + QCoreApplication::translate("PlayTexts", " Nejlepší konec odtud: %1.").arg(pegs(bestFinish));
}

QString way(int moves, int bestFinish)
{
    return QCoreApplication::translate("PlayTexts", "Cesta: %1 k nejlepšímu konci (%2).")
        .arg(PlayTexts::moves(moves), pegs(bestFinish));
}

} // namespace PlayTexts
