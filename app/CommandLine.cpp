#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace {

const QString kVersionLine = QStringLiteral("Pelikor 2000, verze " PELIKOR_VERSION "\n");
// The help's column of descriptions, after the widest option.
constexpr int kOptionColumn = 17;

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

QString helpText(const QString& program, const QList<QCommandLineOption>& options)
{
    QString text = QStringLiteral("Použití: %1 [volby]\n"
                                  "Hlavolam se skákajícími kameny: skákejte kameny přes sousední, dokud nezbude jediný.\n\n"
                                  "Volby:\n")
                       .arg(program);
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        text += QStringLiteral("  ") + names.join(QStringLiteral(", ")).leftJustified(kOptionColumn)
                + option.description() + QLatin1Char('\n');
    }
    return text;
}

// The unknown options as the player typed them, up to any "=value": a
// word after one dash is one option, as Qt's own options (-platform,
// -display) are, so it is named whole rather than letter by letter.
QStringList unknownOptions(const QStringList& arguments, const QList<QCommandLineOption>& known)
{
    QStringList knownNames;
    for (const QCommandLineOption& option : known)
        knownNames << option.names();
    QStringList unknown;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            continue;
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        const qsizetype dashes = typed.startsWith(QLatin1String("--")) ? 2 : 1;
        if (!knownNames.contains(typed.mid(dashes)))
            unknown << typed;
    }
    return unknown;
}

QString errorText(const QString& program, const QCommandLineParser& parser, const QStringList& arguments,
                  const QList<QCommandLineOption>& known)
{
    QString text;
    const QStringList unknown = unknownOptions(arguments, known);
    for (const QString& option : unknown)
        text += QStringLiteral("%1: neznámá volba %2\n").arg(program, option);
    // The words after an unknown option may be its values (-platform
    // offscreen), so they are no fault of their own.
    if (unknown.isEmpty()) {
        for (const QString& argument : parser.positionalArguments())
            text += QStringLiteral("%1: nečekaný argument %2\n").arg(program, argument);
    }
    if (text.isEmpty())
        text = QStringLiteral("%1: chybně zadané volby: %2\n").arg(program, arguments.mid(1).join(QLatin1Char(' ')));
    return text + QStringLiteral("Nápovědu vypíše %1 --help\n").arg(program);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = QFileInfo(arguments.value(0)).fileName();

    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Vypíše tuto nápovědu a skončí."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Vypíše verzi programu a skončí."));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        print(stderr, errorText(program, parser, arguments, {help, version}));
        return kBadCommandLine;
    }
    if (parser.isSet(help)) {
        print(stdout, helpText(program, {help, version}));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, kVersionLine);
        return 0;
    }
    return std::nullopt;
}
