// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/mainscreenlogic.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <gtest/gtest.h>

namespace {

// The logic with the windows it asks for recorded in `requests`.
struct Logic {
    SettingsHome home;
    FakeDialogs dialogs;
    FakeOpener opener;
    MainScreenLogic logic{home.values, dialogs, opener, QStringLiteral("/nonexistent/voku-words")};
    QStringList requests;

    Logic() {
        for (auto signal :
             {&MainScreenLogic::drillRequested, &MainScreenLogic::wordListRequested,
              &MainScreenLogic::dataFileChooserRequested,
              &MainScreenLogic::displaySettingsRequested, &MainScreenLogic::aboutRequested})
            QObject::connect(&logic, signal, [this] { requests << "window"; });
        QObject::connect(&logic, &MainScreenLogic::exitRequested,
                         [this](int status) { requests << QStringLiteral("exit %1").arg(status); });
    }
    QString file(const QString& name) const { return home.path() + QLatin1Char('/') + name; }
    // Groups 3, 5 and 12 with some words graded, made current and loaded; 5 and 3 were chosen
    // last time.
    QString loadStandardFile() {
        auto rows = testwords::words(3, 4, 2, 5);
        for (auto more : {testwords::words(5, 2, 4, 7), testwords::words(12, 6)})
            rows.insert(rows.end(), more.begin(), more.end());
        const QString path = testwords::makeWordFile(file(QStringLiteral("a.vku")), rows);
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), "  5\r\n  3\r\n");
        home.select(path);
        logic.load();
        return path;
    }
};

} // namespace

// The chosen groups, or all when none is chosen; the choice is remembered in VKI030.ini, and
// when it cannot be, a message says so and the drill starts all the same.
TEST(MainScreenLogic, PractiseTheChosenGroupsOrAll) {
    const struct {
        QList<int> chosenRows;
        bool settingsWritable;
        size_t words;
        LevelCounts counts;
        QByteArray remembered;
    } rows[] = {
        {{}, true, 12, {0, 0, 4, 0, 2, 6}, ""},
        {{2, 0, 2, 7, -1}, true, 10, {0, 0, 4, 0, 0, 6}, "  3\r\n 12\r\n"},
        {{2}, false, 6, {0, 0, 0, 0, 0, 6}, ""},
    };
    for (const auto& row : rows) {
        Logic t;
        const QString path = t.loadStandardFile();
        EXPECT_EQ(t.logic.lists().previous(), QStringList({"  3", "  5"}));
        if (!row.settingsWritable)
            t.home.values.settingsFolder = t.file(QStringLiteral("missing/"));
        t.logic.chooseGroups(row.chosenRows);
        t.logic.buildPracticeSet();
        EXPECT_EQ(testwords::rowsOf(path, true).size(), row.words);
        EXPECT_EQ(t.home.values.levelCounts, row.counts);
        EXPECT_EQ(t.home.settingsBytes(SettingsFiles::groupSelectionFile), row.remembered);
        EXPECT_EQ(t.requests, QStringList{"window"});
        EXPECT_EQ(t.dialogs.messages.size(), row.settingsWritable ? 0 : 1);
        EXPECT_EQ(t.dialogs.messages.join('|').contains("VKI030.ini"), !row.settingsWritable);
        EXPECT_FALSE(t.logic.progressVisible());
    }
}

// One item per chosen group; reset asks first and resets only the chosen groups. Printing
// asks too, and its progress bar shows only once pages are drawn, redrawn about a hundred
// times for any number of words.
TEST(MainScreenLogic, ChooseResetAndPrint) {
    Logic t;
    const QString path = t.loadStandardFile();
    t.logic.resetGroups();
    t.logic.chooseGroups({2, 1, 2, 9, -1});
    t.logic.removeChosen({1, 0, 0, 5});
    EXPECT_TRUE(t.logic.lists().chosen().isEmpty());
    t.logic.chooseGroups({0});
    t.logic.resetGroups();
    EXPECT_EQ(testwords::rowsOf(path).front().times, 5);
    t.dialogs.answers = {true, true};
    t.logic.resetGroups();
    for (const WordRecord& row : testwords::rowsOf(path))
        EXPECT_EQ(row.level * 100 + row.times, row.group == 5 ? 407 : 0) << row.group;
    const QString reset = t.logic.lists().summary().at(0);
    EXPECT_EQ(reset.simplified(), QStringLiteral("3 4 0 0 0 0 0"));
    EXPECT_EQ(t.logic.lists().chosen(), QStringList{reset});

    t.logic.clearChosen();
    int redraws = 0;
    std::vector<bool> shown;
    QObject::connect(&t.logic, &MainScreenLogic::progressChanged, [&] { ++redraws; });
    t.logic.printCards([&](auto&&, auto&&, auto&&, const WordStore::Progress& progress) {
        shown.push_back(t.logic.progressVisible());
        for (int done = 1; done <= 1200; ++done)
            progress(done, 1200);
        shown.push_back(t.logic.progressVisible());
        return true;
    });
    EXPECT_EQ(shown, (std::vector<bool>{false, true}));
    EXPECT_EQ(t.logic.progressValue(), 1200);
    EXPECT_LE(redraws, 110);
    EXPECT_FALSE(t.logic.progressVisible());
    EXPECT_EQ(t.dialogs.messages, QStringList{"初期化するグループを選択してください"});
    EXPECT_EQ(t.dialogs.questions, QStringList({"初期化を実行します。", "初期化を実行します。",
                                                "全件印刷を開始します。A4をセットしてください。"}));
}

// Without a usable file only the commands that need none work; a file without words says so.
TEST(MainScreenLogic, CommandsThatNeedAFileCheckItFirst) {
    enum class File { None, Empty, DeclinedLegacy };
    const struct {
        File file;
        QStringList said;
        int windows;
    } rows[] = {
        {File::None, {}, 2},
        {File::DeclinedLegacy, {"変換しますか"}, 2},
        {File::Empty,
         {"練習する単語がありません。", "初期化するグループを選択してください",
          "印刷する単語がありません。"},
         4},
    };
    for (const auto& row : rows) {
        Logic t;
        if (row.file == File::Empty)
            t.home.select(testwords::makeWordFile(t.file(QStringLiteral("empty.vku")), {}));
        if (row.file == File::DeclinedLegacy)
            t.home.select(
                testfiles::copyFixture(QStringLiteral("jet/ace-2007.vku"), t.home.path()));
        t.logic.load();
        t.logic.buildPracticeSet();
        t.logic.resetGroups();
        t.logic.printCards([](auto&&...) { return true; });
        for (auto show : {&MainScreenLogic::showWordList, &MainScreenLogic::showDataFileChooser,
                          &MainScreenLogic::showDisplaySettings, &MainScreenLogic::showAbout})
            (t.logic.*show)();
        t.logic.exitProgram();
        const QStringList said = t.dialogs.questions + t.dialogs.messages;
        ASSERT_EQ(said.size(), row.said.size()) << qPrintable(said.join('|'));
        for (qsizetype i = 0; i < said.size(); ++i)
            EXPECT_TRUE(said.at(i).contains(row.said.at(i))) << qPrintable(said.at(i));
        EXPECT_EQ(t.home.values.hasDataFile(), row.file == File::Empty);
        EXPECT_EQ(t.requests, QStringList(row.windows, "window") << "exit 0");
    }
}

// The CSV menu: an import works in the background, asks about a doubtful encoding and whether
// to open the new file; an export writes the tool's CSV. A refused, failed or cancelled one
// leaves every file as it was and nothing half-written. existing: what out held before.
TEST(MainScreenLogic, CsvImportAndExport) {
    static int argc = 1;
    static char name[] = "mainscreenlogic_test", *argv[] = {name, nullptr};
    static const QCoreApplication application(argc, argv); // for the worker's signals
    const QByteArray good = "group,key,word,meaning\n3,1,apple,\"りんご\"\n3,2,pear,\n",
                     doubtful = "group,key,word\n3,1,\xC3\xBD\n";
    const struct {
        bool import;
        QByteArray csv, existing;
        const char* out;
        QString choice;
        bool open;
        const char* said;
        QByteArray written = {}; // out afterwards (null: as before)
    } rows[] = {
        {true, good, {}, "new.vku", {}, true, "2 語を UTF-8 として読み込み", "SQLite"},
        {true, good, "old", "new.vku", {}, false, "この単語データを開きますか", "SQLite"},
        {true, "group,key,word\n3,1,a\n3,x,b\n", "old", "new.vku", {}, false, "3 行目: key"},
        {true, doubtful, {}, "new.vku", "CP932", true, "2 行目は次のように", "SQLite"},
        {true, doubtful, {}, "new.vku", {}, false, "どの文字コード"},
        {true, {}, {}, "new.vku", {}, false, "ファイルを開けません"},
        {true, good, {}, "a.vku", {}, false, "単語データファイルには書き込みません"},
        {true, good, {}, "", {}, false, ""},
        {false, {}, "old", "out.csv", {}, false, "CSV に書き出しました", "group,key,level"},
        {false, {}, {}, "a.vku", {}, false, "入力ファイルと同じです"},
        {false, {}, {}, "none/out.csv", {}, false, "CSV を書き込めません"},
        {false, {}, {}, "", {}, false, ""},
    };
    for (const auto& row : rows) {
        Logic t;
        const QString current = t.loadStandardFile(), out = t.file(row.out);
        if (!row.csv.isNull())
            testfiles::writeAll(t.file("in.csv"), row.csv);
        if (!row.existing.isNull())
            testfiles::writeAll(out, row.existing);
        const QByteArray before = testfiles::readAll(out);
        t.dialogs.fileChoices = {t.file("in.csv")};
        t.dialogs.saveChoices = {QString(row.out).isEmpty() ? QString() : out};
        t.dialogs.choiceAnswer = row.choice;
        t.dialogs.answerWhenNone = row.open;
        row.import ? t.logic.importCsv() : t.logic.exportCsv();
        for (QDeadlineTimer limit(60000); t.logic.isWorking() && !limit.hasExpired();)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const QString said = (t.dialogs.questions + t.dialogs.messages).join('|');
        SCOPED_TRACE(qPrintable(said));
        EXPECT_TRUE(*row.said ? said.contains(QString::fromUtf8(row.said)) : said.isEmpty());
        const QByteArray after = testfiles::readAll(out);
        EXPECT_TRUE(row.written.isNull() ? after == before : after.startsWith(row.written));
        EXPECT_EQ(QDir(t.home.path()).entryList({"*.part*"}, QDir::Files | QDir::Hidden),
                  QStringList());
        EXPECT_EQ(t.home.values.dataFilePath, row.open && row.written.size() ? out : current);
        EXPECT_FALSE(t.logic.progressVisible());
    }
}
