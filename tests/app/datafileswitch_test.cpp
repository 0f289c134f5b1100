// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafileswitch.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <gtest/gtest.h>

namespace {

using Outcome = DataFileSwitch::Outcome;

enum class Target { WordFile, Missing, TextFile, TooLong, Legacy };

struct Case {
    const char* name;
    Target target;
    bool settingsWritable;
    bool agrees; // to a conversion
    Outcome outcome;
    const char* said; // part of the one message or question; "" for none
};

class DataFileSwitchTest : public ::testing::TestWithParam<Case> {
protected:
    DataFileSwitchTest() {
        home.select(home.path() + QStringLiteral("/old.vku"));
        testfiles::writeAll(home.values.dataFileIniPath, "\"old\"\r\n");
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), "  3\r\n");
    }

    QString make(Target target) const {
        const QString path = home.path() + QStringLiteral("/new \"単語\".vku");
        switch (target) {
        case Target::WordFile:
            return testwords::makeWordFile(path, {testwords::word(1, 1)});
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

    SettingsHome home;
    FakeDialogs dialogs;
};

TEST_P(DataFileSwitchTest, ChecksTheFileBeforeAnySettingChanges) {
    const Case& c = GetParam();
    AppValues& values = home.values;
    const QString path = make(c.target);
    if (!c.settingsWritable)
        values.dataFileIniPath = home.path() + QStringLiteral("/missing/VKI010.ini");
    dialogs.answerWhenNone = c.agrees;
    const AppValues before = values;
    DataFileSwitch dataFile(values, dialogs, home.path() + QStringLiteral("/no-tool"));
    int switched = 0;
    QObject::connect(&dataFile, &DataFileSwitch::switched, [&] { ++switched; });

    EXPECT_EQ(dataFile.open(path), c.outcome);
    const bool done = c.outcome == Outcome::Switched;
    EXPECT_EQ(switched, done ? 1 : 0);
    EXPECT_EQ(values.dataFilePath, done ? path : before.dataFilePath);
    EXPECT_EQ(values.windowTitle,
              done ? QStringLiteral("VOKU英単カード　new \"単語\".vku") : before.windowTitle);
    const bool written = done && c.settingsWritable;
    EXPECT_EQ(SettingsFiles::readDataFileSetting(home.settingsFile(SettingsFiles::dataFileFile)),
              written ? path : QStringLiteral("old"));
    EXPECT_EQ(home.settingsBytes(SettingsFiles::groupSelectionFile), written ? "" : "  3\r\n");
    const QStringList said = dialogs.messages + dialogs.questions;
    EXPECT_EQ(said.size(), *c.said ? 1 : 0) << qPrintable(said.join('|'));
    if (*c.said) {
        EXPECT_TRUE(said.first().contains(QString::fromUtf8(c.said))) << qPrintable(said.first());
        EXPECT_LT(said.first().size(), 300);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, DataFileSwitchTest,
    ::testing::Values(
        Case{"WordFile", Target::WordFile, true, false, Outcome::Switched, ""},
        Case{"Missing", Target::Missing, true, false, Outcome::Refused, "見つかりません"},
        Case{"TextFile", Target::TextFile, true, false, Outcome::Refused,
             "単語データファイルではありません"},
        Case{"TooLong", Target::TooLong, true, false, Outcome::Refused, "見つかりません"},
        Case{"LegacyAgreed", Target::Legacy, true, true, Outcome::Converting, "変換しますか"},
        Case{"LegacyDeclined", Target::Legacy, true, false, Outcome::Refused, "small-2000.vku.bak"},
        Case{"UnwritableSettings", Target::WordFile, false, false, Outcome::Switched,
             "このまま続けます"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileSwitchTitle, WindowTitleTakesTheFileName) {
    EXPECT_EQ(DataFileSwitch::windowTitleFor("/home/u/english.vku"), "VOKU英単カード　english.vku");
    EXPECT_EQ(DataFileSwitch::windowTitleFor("english.vku"), "VOKU英単カード　english.vku");
    EXPECT_EQ(DataFileSwitch::windowTitleFor(QString()), QString());
}

} // namespace
