#include "frame/PlayTexts.h"

#include "game/core/Positions.h"

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
    return counted(count, QStringLiteral("kámen"), QStringLiteral("kameny"), QStringLiteral("kamenů"));
}

QString moves(int count)
{
    return counted(count, QStringLiteral("tah"), QStringLiteral("tahy"), QStringLiteral("tahů"));
}

QString hint(int bestFinish, int gameBestFinish)
{
    if (bestFinish > gameBestFinish)
        return QStringLiteral("Nejlepší konec je ztracen, odtud %1.").arg(pegs(bestFinish));
    return QStringLiteral("Nápověda: nejlepší konec odtud – %1.").arg(pegs(bestFinish));
}

QString spokenHint(const pelikor::Jump& jump, int bestFinish, int gameBestFinish)
{
    QString told = QStringLiteral("Nápověda: skočte z %1 na %2.")
                       .arg(place(QStringLiteral("řady %1, sloupce %2"), jump.source),
                            place(QStringLiteral("řadu %1, sloupec %2"), jump.target));
    if (bestFinish > gameBestFinish)
        told += QStringLiteral(" Nejlepší konec hry, %1, je ztracen.").arg(pegs(gameBestFinish));
    return told + QStringLiteral(" Nejlepší konec odtud: %1.").arg(pegs(bestFinish));
}

QString way(int moves, int bestFinish)
{
    return QStringLiteral("Cesta: %1 k nejlepšímu konci (%2).").arg(PlayTexts::moves(moves), pegs(bestFinish));
}

} // namespace PlayTexts
