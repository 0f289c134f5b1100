// SPDX-License-Identifier: GPL-3.0-or-later
// voku-words: makes, converts, exports, summarises and prints word data files.
#include "app/product.h"
#include "wordscommands.h"

#include "data/newwordfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <csignal>
#include <cstring>
#include <memory>

namespace {

const char* const commandsHelp = R"(
Commands:
  import-csv WORDS.csv OUT.vku [--encoding NAME]
                                      make a word data file from a CSV word list
  export FILE.vku [-o OUT.csv] [--force]
                                      write the words as CSV (standard output by default)
  convert LEGACY.vku OUT.vku          convert an Access word data file
  summary FILE.vku                    the per-group summary lines of the main screen
  print FILE.vku -o CARDS.pdf [--groups 3,12] [--force]
                                      print word cards into a PDF)";

int usage(const QCommandLineParser& parser) {
    QTextStream(stderr) << parser.helpText();
    return 2;
}

// An interrupted import or conversion takes its unfinished file with it, then ends as the
// signal would have ended it.
void removeUnfinishedAndEnd(int signal) {
    NewWordFile::removeUnfinished();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void cleanUpOnInterrupt() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signal, removeUnfinishedAndEnd);
}

std::optional<QString> valueIfSet(const QCommandLineParser& parser,
                                  const QCommandLineOption& option) {
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

// An option the command does not take would be ignored without a word (export
// --encoding CP932 would still write UTF-8), so it is refused.
QString misplacedOption(const QCommandLineParser& parser, const QString& command) {
    const struct {
        const char* option;
        const char* commands;
    } uses[] = {
        {"o", "export print"}, {"force", "export print"},  {"table", "export"},
        {"groups", "print"},   {"encoding", "import-csv"},
    };
    for (const auto& use : uses) {
        const QStringList commands = QString::fromLatin1(use.commands).split(QLatin1Char(' '));
        if (parser.isSet(QString::fromLatin1(use.option)) && !commands.contains(command))
            return QString::fromLatin1(use.option);
    }
    return {};
}

int run(const QCommandLineParser& parser) {
    const QCommandLineOption output(QStringLiteral("o"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const QStringList commands = {"import-csv", "export", "convert", "summary", "print"};
    if (const QString option = misplacedOption(parser, command);
        commands.contains(command) && !option.isEmpty())
        return WordsCommands::failWith(
            QStringLiteral("%1 に %2%3 は使えません")
                .arg(command, option.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                     option));
    if ((command == QLatin1String("import-csv") || command == QLatin1String("convert")) &&
        args.size() == 3)
        cleanUpOnInterrupt();
    if (command == QLatin1String("import-csv") && args.size() == 3)
        return WordsCommands::importCsv(args[1], args[2], parser.value(QStringLiteral("encoding")));
    if (command == QLatin1String("export") && args.size() == 2)
        return WordsCommands::exportCsv(args[1], valueIfSet(parser, output),
                                        parser.value(QStringLiteral("table")), parser.isSet(force));
    if (command == QLatin1String("convert") && args.size() == 3)
        return WordsCommands::convert(args[1], args[2]);
    if (command == QLatin1String("print") && args.size() == 2)
        return WordsCommands::print(args[1], valueIfSet(parser, output),
                                    parser.value(QStringLiteral("groups")), parser.isSet(force));
    if (command == QLatin1String("summary") && args.size() == 2)
        return WordsCommands::summary(args[1]);
    return usage(parser);
}

} // namespace

int main(int argc, char* argv[]) {
    // Printing lays out text with fonts, which needs a GUI application; no window is shown.
    const bool printing = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own warnings (about the desktop session, or a file name it cannot use) would
    // break the one-line error contract; every failure is reported by the commands.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const std::unique_ptr<QCoreApplication> app =
        printing ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voku-words"));
    QCoreApplication::setApplicationVersion(Product::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VOKU英単カードの単語データを扱います。") +
                                     QString::fromUtf8(commandsHelp));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("import-csv, export, convert, summary or print"));
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("Output file."),
         QStringLiteral("FILE")},
        {QStringLiteral("force"),
         QStringLiteral("Replace an existing output file (never a word data file).")},
        {QStringLiteral("table"), QStringLiteral("Table to export: word or selected."),
         QStringLiteral("TABLE"), QStringLiteral("word")},
        {QStringLiteral("groups"), QStringLiteral("Groups to print, e.g. 3,12."),
         QStringLiteral("LIST")},
        {QStringLiteral("encoding"),
         QStringLiteral("Encoding of the CSV: UTF-8, CP932, Latin-1 or CP1252 "
                        "(recognised when left out)."),
         QStringLiteral("NAME")},
    });
    parser.process(*app);
    return WordsCommands::finishOutput(run(parser));
}
