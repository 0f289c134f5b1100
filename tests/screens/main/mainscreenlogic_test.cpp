// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main/mainscreenlogic.h"

#include "data/summaryline.h"
#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using testwords::words;

struct Logic {
    SettingsHome home;
    FakeDialogs dialogs;
    FakeOpener opener;
    MainScreenLogic logic{home.values, dialogs, opener, QStringLiteral("/nonexistent/voku-words")};
    std::vector<int> exits;
    int drills = 0;
    int otherWindows = 0;

    Logic() {
        QObject::connect(&logic, &MainScreenLogic::exitRequested,
                         [this](int status) { exits.push_back(status); });
        QObject::connect(&logic, &MainScreenLogic::drillRequested, [this] { ++drills; });
        for (auto signal :
             {&MainScreenLogic::wordListRequested, &MainScreenLogic::dataFileChooserRequested,
              &MainScreenLogic::displaySettingsRequested, &MainScreenLogic::aboutRequested})
            QObject::connect(&logic, signal, [this] { ++otherWindows; });
    }
    QString file(const QString& name) const { return home.path() + QLatin1Char('/') + name; }
    // Groups 3, 5 and 12 with some words graded, made current and loaded.
    QString loadStandardFile(const QByteArray& previousChoice = {}) {
        auto rows = words(3, 4, 2, 5);
        for (auto more : {words(5, 2, 4, 7), words(12, 6)})
            rows.insert(rows.end(), more.begin(), more.end());
        const QString path = testwords::makeWordFile(file(QStringLiteral("a.vku")), rows);
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), previousChoice);
        home.select(path);
        logic.load();
        return path;
    }
};

std::vector<int> groupsIn(const std::vector<WordRecord>& rows) {
    std::vector<int> groups;
    for (const WordRecord& row : rows)
        if (groups.empty() || groups.back() != row.group)
            groups.push_back(row.group);
    return groups;
}

} // namespace

TEST(MainScreenLogic, LoadShowsTheSummaryAndThePreviousChoiceAsRead) {
    Logic t;
    t.loadStandardFile(" 12\r\n  3\r\n");
    const GroupSummary three{3, {0, 0, 4, 0, 0, 0}};
    EXPECT_EQ(t.logic.lists().summary().value(0), SummaryLine::format(three));
    EXPECT_EQ(t.logic.lists().summary().size(), 3);
    EXPECT_EQ(t.logic.lists().previous(), QStringList({"  3", " 12"}));
    EXPECT_EQ(t.logic.caption(), QStringLiteral("VOKU英単カード　a.vku"));
    EXPECT_EQ(t.logic.backgroundColour(), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

// The chosen groups, or all when none is chosen; the choice is remembered in VKI030.ini.
TEST(MainScreenLogic, PractiseTheChosenGroupsOrAll) {
    const struct {
        QList<int> chosenRows;
        std::vector<int> groups;
        LevelCounts counts;
        QByteArray remembered;
    } rows[] = {
        {{}, {3, 5, 12}, {0, 0, 4, 0, 2, 6}, ""},
        {{2, 0}, {3, 12}, {0, 0, 4, 0, 0, 6}, "  3\r\n 12\r\n"},
    };
    for (const auto& row : rows) {
        Logic t;
        const QString path = t.loadStandardFile("  5\r\n");
        t.logic.chooseGroups(row.chosenRows);
        t.logic.buildPracticeSet();
        EXPECT_EQ(t.drills, 1);
        EXPECT_EQ(groupsIn(testwords::rowsOf(path, true)), row.groups);
        EXPECT_EQ(t.home.values.levelCounts, row.counts);
        EXPECT_EQ(t.home.settingsBytes(SettingsFiles::groupSelectionFile), row.remembered);
        EXPECT_TRUE(t.dialogs.messages.isEmpty());
    }
}

TEST(MainScreenLogic, ResetAsksFirstAndResetsOnlyTheChosenGroups) {
    Logic t;
    const QString path = t.loadStandardFile();
    t.logic.resetGroups();
    EXPECT_EQ(t.dialogs.messages, QStringList{"初期化するグループを選択してください"});
    t.logic.chooseGroups({0});
    const QStringList before = t.logic.lists().summary();
    t.logic.resetGroups();
    EXPECT_EQ(t.dialogs.questions, QStringList{"初期化を実行します。"});
    EXPECT_EQ(testwords::rowsOf(path).front().times, 5);

    t.dialogs.answers = {true};
    t.logic.resetGroups();
    for (const WordRecord& row : testwords::rowsOf(path))
        EXPECT_EQ(row.level * 100 + row.times, row.group == 5 ? 407 : 0) << row.group;
    const QStringList after = t.logic.lists().summary();
    EXPECT_EQ(after.at(0).simplified(), QStringLiteral("3 4 0 0 0 0 0"));
    EXPECT_EQ(after.mid(1), before.mid(1));
    EXPECT_EQ(t.logic.lists().chosen(), QStringList{after.at(0)});
}

// Without a usable file only the commands that need none work; a file without words says so.
TEST(MainScreenLogic, CommandsThatNeedAFileCheckItFirst) {
    enum class File { None, Empty, DeclinedLegacy };
    const struct {
        File file;
        QStringList said;
        int otherWindows;
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
        EXPECT_TRUE(t.logic.lists().summary().isEmpty());
        EXPECT_EQ(t.otherWindows, row.otherWindows);
        EXPECT_EQ(t.exits, std::vector<int>{0});
        EXPECT_EQ(t.drills, 0);
    }
}

TEST(MainScreenLogic, ProgressEndsAtTheWordCountAndIsHidden) {
    Logic t;
    std::vector<WordRecord> rows;
    for (int g = 1; g <= 400; ++g)
        for (const WordRecord& word : words(g, 3, 1, 2))
            rows.push_back(word);
    t.home.select(testwords::makeWordFile(t.file(QStringLiteral("many.vku")), rows));
    t.logic.load();
    int redraws = 0;
    int shownMaximum = 0;
    QObject::connect(&t.logic, &MainScreenLogic::progressChanged, [&] {
        ++redraws;
        if (t.logic.progressVisible())
            shownMaximum = std::max(shownMaximum, t.logic.progressValue());
    });
    t.logic.buildPracticeSet();
    EXPECT_EQ(shownMaximum, 1200);
    EXPECT_EQ(t.logic.progressMaximum(), 1200);
    EXPECT_FALSE(t.logic.progressVisible());
    EXPECT_LE(redraws, 110);
    EXPECT_EQ(t.home.values.levelCounts, (LevelCounts{0, 1200, 0, 0, 0, 0}));

    // Printing shows the bar only once pages are drawn, not while the printer asks.
    std::vector<bool> shownWhilePrinting;
    t.dialogs.answers = {true};
    t.logic.printCards([&](auto&&, auto&&, auto&&, const WordStore::Progress& progress) {
        shownWhilePrinting.push_back(t.logic.progressVisible());
        progress(1, 1200);
        shownWhilePrinting.push_back(t.logic.progressVisible());
        return true;
    });
    EXPECT_EQ(t.dialogs.questions, QStringList{"全件印刷を開始します。A4をセットしてください。"});
    EXPECT_EQ(shownWhilePrinting, (std::vector<bool>{false, true}));
    EXPECT_FALSE(t.logic.progressVisible());
}

// A refused write is reported and the program goes on.
TEST(MainScreenLogic, AnUnwritableFileOrSettingIsReportedAndTheProgramGoesOn) {
    for (const bool fileReadOnly : {false, true}) {
        Logic t;
        const QString path = t.loadStandardFile();
        if (fileReadOnly) {
            QFile::setPermissions(path, QFile::ReadOwner);
            if (QFileInfo(path).isWritable())
                continue; // the permissions do not bind this user
        } else {
            t.home.values.settingsFolder = t.home.path() + QStringLiteral("/missing/");
        }
        t.logic.buildPracticeSet();
        ASSERT_EQ(t.dialogs.messages.size(), 1);
        EXPECT_TRUE(t.dialogs.messages.first().contains(fileReadOnly ? "a.vku" : "VKI030.ini"));
        EXPECT_TRUE(t.exits.empty());
        EXPECT_EQ(t.drills, fileReadOnly ? 0 : 1);
    }
}

TEST(MainScreenLogic, TheManualOpensFromTheProgramFolderOrAMessageNamesIt) {
    Logic t;
    t.home.values.appFolder = t.home.path() + QStringLiteral("/app/");
    const QString manual = t.home.values.appFolder + QStringLiteral("VOKU英単カード説明書.pdf");
    t.logic.openManual();
    EXPECT_EQ(t.opener.opened, QStringList{manual});
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    t.opener.succeeds = false;
    t.logic.openManual();
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages.first().contains(manual));
}

// The open dialog's choice is checked before anything changes; only a usable file
// becomes current and empties the previous choice.
TEST(MainScreenLogic, OpeningChecksTheChosenFileFirst) {
    const struct {
        const char* choice; // "" cancels
        bool switches;
        const char* message;
    } cases[] = {{"", false, ""}, {"missing.vku", false, "見つかりません"}, {"b.vku", true, ""}};
    for (const auto& c : cases) {
        Logic t;
        const QString path = t.loadStandardFile("  3\r\n");
        const QString other =
            testwords::makeWordFile(t.file(QStringLiteral("b.vku")), words(40, 2));
        if (*c.choice)
            t.dialogs.fileChoices << t.file(QString::fromUtf8(c.choice));
        t.logic.openDataFile();
        EXPECT_EQ(t.dialogs.startFolders, QStringList{t.home.path()});
        EXPECT_EQ(t.home.values.dataFilePath, c.switches ? other : path) << c.choice;
        EXPECT_EQ(QFile::exists(t.home.values.dataFileIniPath), c.switches) << c.choice;
        EXPECT_EQ(t.logic.lists().summary().size(), c.switches ? 1 : 3) << c.choice;
        EXPECT_EQ(t.logic.lists().previous().size(), c.switches ? 0 : 1) << c.choice;
        EXPECT_EQ(t.dialogs.messages.size(), *c.message ? 1 : 0) << c.choice;
        EXPECT_TRUE(t.dialogs.messages.join(QString()).contains(QString::fromUtf8(c.message)));
    }
}
