// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainfixture.h"

#include "screens/main/mainscreenlogic.h"

#include "app/settingsfiles.h"
#include "data/summaryline.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct Logic : MainFixture {
    MainScreenLogic logic{values, dialogs, opener, QStringLiteral("/nonexistent/voku-words")};
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
};

QString summaryOf(int group, qint64 never, std::array<qint64, 5> levels = {}) {
    GroupSummary summary{group, {levels[0], levels[1], levels[2], levels[3], levels[4], never}};
    return SummaryLine::format(summary);
}

} // namespace

TEST(MainScreenLogic, LoadShowsTheSummaryAndThePreviousChoiceAsRead) {
    Logic t;
    t.select(t.makeWordFile(QStringLiteral("a.vku"), {{7, 12}, {3, 2, 4, 7}}));
    testfiles::writeAll(t.settingsFile(SettingsFiles::groupSelectionFile), "  7\r\n  3\r\n");
    t.logic.load();
    EXPECT_EQ(t.logic.lists().summary(),
              QStringList({summaryOf(3, 0, {0, 0, 0, 0, 2}), summaryOf(7, 12)}));
    EXPECT_EQ(t.logic.lists().previous(),
              QStringList({QStringLiteral("  3"), QStringLiteral("  7")}));
    EXPECT_EQ(t.logic.caption(), QStringLiteral("VOKU英単カード　a.vku"));
    EXPECT_EQ(t.logic.backgroundColour(), QColor(0xFF, 0xFF, 0xC0));
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
}

TEST(MainScreenLogic, WithoutAFileOnlyTheCommandsThatNeedNoneWork) {
    Logic t;
    t.logic.load();
    t.logic.buildPracticeSet();
    t.logic.resetGroups();
    t.logic.printCards([](auto&&...) {
        ADD_FAILURE();
        return false;
    });
    t.logic.showWordList();
    t.logic.showDataFileChooser();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    EXPECT_TRUE(t.dialogs.questions.isEmpty());
    EXPECT_EQ(t.otherWindows, 0);

    t.logic.showDisplaySettings();
    t.logic.showAbout();
    t.logic.exitProgram();
    EXPECT_EQ(t.otherWindows, 2);
    EXPECT_EQ(t.exits, std::vector<int>{0});
}

TEST(MainScreenLogic, AFileWithoutWordsHasNothingToPractiseOrPrint) {
    Logic t;
    const QString path = t.makeWordFile(QStringLiteral("empty.vku"), {});
    t.select(path);
    t.logic.load();
    EXPECT_TRUE(t.dialogs.messages.isEmpty());
    t.logic.buildPracticeSet();
    t.logic.printCards([](auto&&...) { return true; });
    EXPECT_EQ(t.dialogs.messages, QStringList({QStringLiteral("練習する単語がありません。"),
                                               QStringLiteral("印刷する単語がありません。")}));
    EXPECT_EQ(t.drills, 0);
    EXPECT_EQ(t.values.levelCounts, LevelCounts{});
}

TEST(MainScreenLogic, ProgressEndsAtTheWordCountAndIsHidden) {
    Logic t;
    std::vector<MainFixture::Groups> groups;
    for (int g = 1; g <= 400; ++g)
        groups.push_back({g, 3, 1, 2});
    t.select(t.makeWordFile(QStringLiteral("many.vku"), groups));
    t.logic.load();
    int redraws = 0;
    int shownMaximum = 0;
    QObject::connect(&t.logic, &MainScreenLogic::progressChanged, [&] {
        ++redraws;
        if (t.logic.progressVisible())
            shownMaximum = std::max(shownMaximum, t.logic.progressValue());
    });
    t.logic.buildPracticeSet();
    EXPECT_EQ(t.drills, 1);
    EXPECT_EQ(shownMaximum, 1200);
    EXPECT_EQ(t.logic.progressMaximum(), 1200);
    EXPECT_FALSE(t.logic.progressVisible());
    EXPECT_LE(redraws, 110);
    EXPECT_EQ(t.values.levelCounts, (LevelCounts{0, 1200, 0, 0, 0, 0}));

    // Printing shows the bar only once pages are drawn, not while the printer asks.
    std::vector<bool> shownWhilePrinting;
    t.dialogs.answers = {true};
    t.logic.printCards([&](auto&&, auto&&, auto&&, const WordStore::Progress& progress) {
        shownWhilePrinting.push_back(t.logic.progressVisible());
        progress(1, 1200);
        shownWhilePrinting.push_back(t.logic.progressVisible());
        return true;
    });
    EXPECT_EQ(shownWhilePrinting, (std::vector<bool>{false, true}));
    EXPECT_FALSE(t.logic.progressVisible());
}

TEST(MainScreenLogic, AReadOnlyFileRefusesThePracticeSetButTheProgramGoesOn) {
    Logic t;
    const QString path = t.makeWordFile(QStringLiteral("ro.vku"), {{1, 2}});
    QFile::setPermissions(path, QFile::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "the permissions do not bind this user";
    t.select(path);
    t.logic.load();
    t.logic.buildPracticeSet();
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages.first().contains(QStringLiteral("ro.vku")));
    EXPECT_TRUE(t.exits.empty());
    EXPECT_EQ(t.drills, 0);
}

TEST(MainScreenLogic, AnUnwritableSettingsFileIsReportedAndTheDrillGoesOn) {
    Logic t;
    t.select(t.makeWordFile(QStringLiteral("a.vku"), {{1, 2}}));
    t.logic.load();
    t.values.SettingsFolder = t.dir.path() + QStringLiteral("/missing/");
    t.logic.buildPracticeSet();
    EXPECT_TRUE(t.exits.empty());
    EXPECT_EQ(t.drills, 1);
    ASSERT_EQ(t.dialogs.messages.size(), 1);
    EXPECT_TRUE(t.dialogs.messages.first().contains(QStringLiteral("VKI030.ini")));
}

TEST(MainScreenLogic, TheManualOpensFromTheProgramFolderOrAMessageNamesIt) {
    Logic t;
    const QString manual = t.values.AppFolder + QStringLiteral("VOKU英単カード説明書.pdf");
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
        const QString path = t.makeWordFile(QStringLiteral("a.vku"), {{1, 2}});
        const QString other = t.makeWordFile(QStringLiteral("b.vku"), {{1, 2}, {2, 1}});
        t.select(path);
        testfiles::writeAll(t.settingsFile(SettingsFiles::groupSelectionFile), "  1\r\n");
        t.logic.load();
        if (*c.choice)
            t.dialogs.fileChoices << t.dir.filePath(QString::fromUtf8(c.choice));
        t.logic.openDataFile();
        EXPECT_EQ(t.dialogs.startFolders, QStringList{t.dir.path()});
        EXPECT_EQ(t.values.DataFilePath, c.switches ? other : path) << c.choice;
        EXPECT_EQ(QFile::exists(t.values.DataFileIniPath), c.switches) << c.choice;
        EXPECT_EQ(t.logic.lists().summary().size(), c.switches ? 2 : 1) << c.choice;
        EXPECT_EQ(t.logic.lists().previous().size(), c.switches ? 0 : 1) << c.choice;
        EXPECT_TRUE(t.dialogs.messages.join(QString()).contains(QString::fromUtf8(c.message)))
            << c.choice;
        EXPECT_EQ(t.dialogs.messages.size(), *c.message ? 1 : 0) << c.choice;
    }
}
