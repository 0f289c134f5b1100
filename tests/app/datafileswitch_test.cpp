// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafileswitch.h"

#include "app/appvalues.h"
#include "app/settingsfiles.h"
#include "data/wordstore.h"
#include "fakeuserdialogs.h"
#include "support/testfiles.h"
#include "support/testwords.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Outcome = DataFileSwitch::Outcome;

enum class Target { WordFile, Missing, TextFile, TooLong, Legacy };

struct Case {
    const char* name;
    Target target;
    bool settingsWritable;
    Outcome outcome;
    const char* message; // part of the one message shown; "" for none
};

class DataFileSwitchTest : public ::testing::TestWithParam<Case> {
protected:
    DataFileSwitchTest() {
        QDir().mkpath(settingsFolder());
        values.SettingsFolder = settingsFolder();
        values.DataFileIniPath = settingsFolder() + SettingsFiles::dataFileFile;
        values.DataFilePath = home.path() + QStringLiteral("/old.vku");
        values.WindowTitle = DataFileSwitch::windowTitleFor(values.DataFilePath);
        testfiles::writeAll(values.DataFileIniPath, "\"old\"\r\n");
        testfiles::writeAll(selectionPath(), "  3\r\n");
    }

    QString settingsFolder() const { return home.documentsFolder() + QStringLiteral("VOKU/"); }
    QString selectionPath() const { return settingsFolder() + SettingsFiles::groupSelectionFile; }

    QString make(Target target) const {
        const QString path = home.path() + QStringLiteral("/new \"単語\".vku");
        switch (target) {
        case Target::WordFile:
            WordStore::create(path).insertRows(WordStore::Table::Word, {testwords::word(1, 1)});
            break;
        case Target::TextFile:
            testfiles::writeAll(path, "group,key\n");
            break;
        case Target::TooLong:
            return path + QString(SettingsFiles::maxPathLength, QLatin1Char('x'));
        case Target::Legacy:
            return testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), home.path());
        case Target::Missing:
            break;
        }
        return path;
    }

    testfiles::TempHome home;
    AppValues values;
    FakeUserDialogs dialogs;
};

TEST_P(DataFileSwitchTest, ChecksTheFileBeforeAnySettingChanges) {
    const Case& c = GetParam();
    const QString path = make(c.target);
    if (!c.settingsWritable)
        values.DataFileIniPath = home.path() + QStringLiteral("/missing/VKI010.ini");
    const AppValues before = values;
    DataFileSwitch dataFile(values, dialogs, home.path() + QStringLiteral("/no-tool"));
    int switched = 0;
    QObject::connect(&dataFile, &DataFileSwitch::switched, [&] { ++switched; });

    EXPECT_EQ(dataFile.open(path), c.outcome);
    const bool done = c.outcome == Outcome::Switched;
    EXPECT_EQ(switched, done ? 1 : 0);
    EXPECT_EQ(values.DataFilePath, done ? path : before.DataFilePath);
    EXPECT_EQ(values.WindowTitle,
              done ? QStringLiteral("VOKU英単カード　new \"単語\".vku") : before.WindowTitle);
    const bool written = done && c.settingsWritable;
    EXPECT_EQ(SettingsFiles::readDataFileSetting(settingsFolder() + SettingsFiles::dataFileFile),
              written ? path : QStringLiteral("old"));
    EXPECT_EQ(testfiles::readAll(selectionPath()), written ? "" : "  3\r\n");
    if (*c.message) {
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages.first().contains(QString::fromUtf8(c.message)))
            << qPrintable(dialogs.messages.first());
        EXPECT_LT(dialogs.messages.first().size(), 300);
    } else {
        EXPECT_TRUE(dialogs.messages.isEmpty()) << qPrintable(dialogs.messages.join('|'));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, DataFileSwitchTest,
    ::testing::Values(Case{"WordFile", Target::WordFile, true, Outcome::Switched, ""},
                      Case{"Missing", Target::Missing, true, Outcome::Refused, "見つかりません"},
                      Case{"TextFile", Target::TextFile, true, Outcome::Refused,
                           "単語データファイルではありません"},
                      Case{"TooLong", Target::TooLong, true, Outcome::Refused, "見つかりません"},
                      Case{"Legacy", Target::Legacy, true, Outcome::Converting, "変換しますか"},
                      Case{"UnwritableSettings", Target::WordFile, false, Outcome::Switched,
                           "このまま続けます"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileSwitchTitle, WindowTitleTakesTheFileName) {
    EXPECT_EQ(DataFileSwitch::windowTitleFor("/home/u/english.vku"), "VOKU英単カード　english.vku");
    EXPECT_EQ(DataFileSwitch::windowTitleFor("english.vku"), "VOKU英単カード　english.vku");
    EXPECT_EQ(DataFileSwitch::windowTitleFor(QString()), QString());
}

} // namespace
