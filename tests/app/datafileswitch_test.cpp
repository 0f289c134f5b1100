// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafileswitch.h"

#include "support/fakeseams.h"
#include "support/settingshome.h"
#include "support/testwords.h"

#include <gtest/gtest.h>

namespace {

using Outcome = DataFileSwitch::Outcome;

// The file is checked before any setting changes; a setting that cannot be written is
// reported and the switch goes on.
TEST(DataFileSwitch, ChecksTheFileBeforeAnySettingChanges) {
    SettingsHome home;
    const QString word = home.path() + "/new \"単語\".vku", text = home.path() + "/text.vku";
    testwords::makeWordFile(word, {testwords::word(1, 1)});
    testfiles::writeAll(text, "group,key\n");
    const QString legacy = testfiles::copyFixture("jet/small-2000.vku", home.path());
    const QString dataFileSetting = home.values.dataFileIniPath;
    const struct {
        QString path;
        bool settingsWritable;
        bool agrees; // to a conversion
        Outcome outcome;
        const char* said; // part of the one message or question; "" for none
    } rows[] = {{word, true, false, Outcome::Switched, ""},
                {home.path() + "/missing.vku", true, false, Outcome::Refused, "見つかりません"},
                {text, true, false, Outcome::Refused, "単語データファイルではありません"},
                {word + QString(SettingsFiles::maxPathLength, 'x'), true, false, Outcome::Refused,
                 "見つかりません"},
                {legacy, true, false, Outcome::Refused, "small-2000.vku.bak"},
                {legacy, true, true, Outcome::Converting, "変換しますか"},
                {word, false, false, Outcome::Switched, "このまま続けます"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(qPrintable(row.path.left(200)));
        home.select(home.path() + "/old.vku");
        testfiles::writeAll(dataFileSetting, "\"old\"\r\n");
        testfiles::writeAll(home.settingsFile(SettingsFiles::groupSelectionFile), "  3\r\n");
        home.values.dataFileIniPath =
            row.settingsWritable ? dataFileSetting : home.path() + "/no/VKI010.ini";
        FakeDialogs dialogs;
        dialogs.answerWhenNone = row.agrees;
        const AppValues before = home.values;
        DataFileSwitch dataFile(home.values, dialogs, home.path() + "/no-tool");
        int switched = 0;
        QObject::connect(&dataFile, &DataFileSwitch::switched, [&] { ++switched; });

        EXPECT_EQ(dataFile.open(row.path), row.outcome);
        const bool done = row.outcome == Outcome::Switched, written = done && row.settingsWritable;
        const AppValues& now = home.values;
        EXPECT_EQ(QStringList({now.dataFilePath, now.windowTitle, QString::number(switched)}),
                  done ? QStringList({word, "VOKU英単カード　new \"単語\".vku", "1"})
                       : QStringList({before.dataFilePath, before.windowTitle, "0"}));
        EXPECT_EQ(SettingsFiles::readDataFileSetting(dataFileSetting) +
                      home.settingsBytes(SettingsFiles::groupSelectionFile),
                  written ? word : "old  3\r\n");
        const QStringList said = dialogs.messages + dialogs.questions;
        EXPECT_TRUE(said.size() == (*row.said ? 1 : 0) && said.value(0).size() < 300 &&
                    said.value(0).contains(QString::fromUtf8(row.said)))
            << qPrintable(said.join('|'));
    }
}

} // namespace
