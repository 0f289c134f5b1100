// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafileswitch.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <gtest/gtest.h>

namespace {

using Outcome = DataFileSwitch::Outcome;

enum class Target { WordFile, Missing, TextFile, TooLong, Legacy };

// The file is checked before any setting changes; a setting that cannot be written is
// reported and the switch goes on.
TEST(DataFileSwitch, ChecksTheFileBeforeAnySettingChanges) {
    const struct {
        Target target;
        bool settingsWritable;
        bool agrees; // to a conversion
        Outcome outcome;
        const char* said; // part of the one message or question; "" for none
    } rows[] = {
        {Target::WordFile, true, false, Outcome::Switched, ""},
        {Target::Missing, true, false, Outcome::Refused, "見つかりません"},
        {Target::TextFile, true, false, Outcome::Refused, "単語データファイルではありません"},
        {Target::TooLong, true, false, Outcome::Refused, "見つかりません"},
        {Target::Legacy, true, true, Outcome::Converting, "変換しますか"},
        {Target::Legacy, true, false, Outcome::Refused, "small-2000.vku.bak"},
        {Target::WordFile, false, false, Outcome::Switched, "このまま続けます"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.target) << row.settingsWritable << row.agrees);
        SettingsHome home;
        home.select(home.path() + "/old.vku");
        testfiles::writeAll(home.values.dataFileIniPath, "\"old\"\r\n");
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), "  3\r\n");
        QString path = home.path() + "/new \"単語\".vku";
        if (row.target == Target::WordFile)
            testwords::makeWordFile(path, {testwords::word(1, 1)});
        if (row.target == Target::TextFile)
            testfiles::writeAll(path, "group,key\n");
        if (row.target == Target::TooLong)
            path += QString(SettingsFiles::maxPathLength, 'x');
        if (row.target == Target::Legacy)
            path = testfiles::copyFixture("jet/small-2000.vku", home.path());
        if (!row.settingsWritable)
            home.values.dataFileIniPath = home.path() + "/missing/VKI010.ini";
        FakeDialogs dialogs;
        dialogs.answerWhenNone = row.agrees;
        const AppValues before = home.values;
        DataFileSwitch dataFile(home.values, dialogs, home.path() + "/no-tool");
        int switched = 0;
        QObject::connect(&dataFile, &DataFileSwitch::switched, [&] { ++switched; });

        EXPECT_EQ(dataFile.open(path), row.outcome);
        const bool done = row.outcome == Outcome::Switched, written = done && row.settingsWritable;
        const AppValues& now = home.values;
        EXPECT_EQ(QStringList({now.dataFilePath, now.windowTitle, QString::number(switched)}),
                  done ? QStringList({path, "VOKU英単カード　new \"単語\".vku", "1"})
                       : QStringList({before.dataFilePath, before.windowTitle, "0"}));
        EXPECT_EQ(
            SettingsFiles::readDataFileSetting(home.settingsFile(SettingsFiles::dataFileFile)) +
                home.settingsBytes(SettingsFiles::groupSelectionFile),
            written ? path : "old  3\r\n");
        const QStringList said = dialogs.messages + dialogs.questions;
        EXPECT_TRUE(said.size() == (*row.said ? 1 : 0) &&
                    said.value(0).contains(QString::fromUtf8(row.said)) &&
                    said.value(0).size() < 300)
            << qPrintable(said.join('|'));
    }
}

} // namespace
