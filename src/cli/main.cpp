// SPDX-License-Identifier: GPL-3.0-or-later
// voku-words: makes, converts, exports, summarises and prints word data files.
#include "wordscommands.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstring>
#include <memory>

namespace {

const char* const commandsHelp = R"(
Commands:
  import-csv WORDS.csv OUT.vku        make a word data file from a CSV word list
  export FILE.vku [-o OUT.csv]        write the words as CSV (standard output by default)
  convert LEGACY.vku OUT.vku          convert an Access word data file
  summary FILE.vku                    the per-group summary lines of the main screen
  print FILE.vku -o CARDS.pdf [--groups 3,12]
                                      print word cards into a PDF)";

int usage(const QCommandLineParser& parser) {
    QTextStream(stderr) << parser.helpText() << commandsHelp << Qt::endl;
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    // Printing lays out text with fonts, which needs a GUI application; no window is shown.
    const bool printing = argc > 1 && std::strcmp(argv[1], "print") == 0;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes about the desktop session would break the one-line error contract.
    if (printing)
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const std::unique_ptr<QCoreApplication> app =
        printing ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("voku-words"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VOKU_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VOKU英単カードの単語データを扱います。") +
                                     QString::fromUtf8(commandsHelp));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("import-csv, export, convert, summary or print"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Output file."), QStringLiteral("FILE"));
    const QCommandLineOption table(QStringLiteral("table"),
                                   QStringLiteral("Table to export: word or selected."),
                                   QStringLiteral("TABLE"), QStringLiteral("word"));
    const QCommandLineOption groups(QStringLiteral("groups"),
                                    QStringLiteral("Groups to print, e.g. 3,12."),
                                    QStringLiteral("LIST"));
    parser.addOptions({output, table, groups});
    parser.process(*app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    if (command == QLatin1String("import-csv") && args.size() == 3)
        return WordsCommands::importCsv(args[1], args[2]);
    if (command == QLatin1String("export") && args.size() == 2)
        return WordsCommands::exportCsv(args[1], parser.value(output), parser.value(table));
    if (command == QLatin1String("convert") && args.size() == 3)
        return WordsCommands::convert(args[1], args[2]);
    if (command == QLatin1String("print") && args.size() == 2)
        return WordsCommands::print(args[1], parser.value(output), parser.value(groups));
    if (command == QLatin1String("summary") && args.size() == 2)
        return WordsCommands::summary(args[1]);
    return usage(parser);
}
