#include "app/CommandLine.h"

#include "services/AppFolders.h"
#include "services/AppPath.h"
#include "services/ProgramLanguage.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>
#include <QTranslator>

#include <cstdio>

namespace {

const char* const kVersionLine = QT_TRANSLATE_NOOP("CommandLine", "Pelikor 2000, verze %1\n");
// The help's column of descriptions, after the widest option.
constexpr int kOptionColumn = 17;

// The command line's texts in the program's language; the answer comes
// before the application, so the translation is asked directly.
class Words {
public:
    Words() { ProgramLanguage::loadProgramTexts(AppFolders::ofProgram(AppPath().folder()).shipped(), translator_); }

    QString operator()(const char* source) const
    {
        const QString text = translator_.translate("CommandLine", source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }

private:
    QTranslator translator_;
};

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

QString helpText(const Words& words, const QString& program, const QList<QCommandLineOption>& options)
{
    QString text = words(QT_TRANSLATE_NOOP("CommandLine", "Použití: %1 [volby]\n"
                                                          "Hlavolam se skákajícími kameny: skákejte kameny přes "
                                                          "sousední, dokud nezbude jediný.\n\n"
                                                          "Volby:\n"))
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

QString errorText(const Words& words, const QString& program, const QCommandLineParser& parser,
                  const QStringList& arguments, const QList<QCommandLineOption>& known)
{
    QString text;
    const QStringList unknown = unknownOptions(arguments, known);
    for (const QString& option : unknown)
        text += words(QT_TRANSLATE_NOOP("CommandLine", "%1: neznámá volba %2\n")).arg(program, option);
    // The words after an unknown option may be its values (-platform
    // offscreen), so they are no fault of their own.
    if (unknown.isEmpty()) {
        for (const QString& argument : parser.positionalArguments())
            text += words(QT_TRANSLATE_NOOP("CommandLine", "%1: nečekaný argument %2\n")).arg(program, argument);
    }
    if (text.isEmpty())
        text = words(QT_TRANSLATE_NOOP("CommandLine", "%1: chybně zadané volby: %2\n"))
                   .arg(program, arguments.mid(1).join(QLatin1Char(' ')));
    return text + words(QT_TRANSLATE_NOOP("CommandLine", "Nápovědu vypíše %1 --help\n")).arg(program);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = QFileInfo(arguments.value(0)).fileName();

    const Words words;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  words(QT_TRANSLATE_NOOP("CommandLine", "Vypíše tuto nápovědu a skončí.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     words(QT_TRANSLATE_NOOP("CommandLine", "Vypíše verzi programu a skončí.")));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        print(stderr, errorText(words, program, parser, arguments, {help, version}));
        return kBadCommandLine;
    }
    if (parser.isSet(help)) {
        print(stdout, helpText(words, program, {help, version}));
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, words(kVersionLine).arg(QStringLiteral(PELIKOR_VERSION)));
        return 0;
    }
    return std::nullopt;
}
