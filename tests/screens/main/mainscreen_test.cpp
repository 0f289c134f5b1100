// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainfixture.h"

#include "screens/main/mainscreen.h"
#include "screens/main/mainscreenlogic.h"

#include "app/settingsfiles.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

const QString groupFile = SettingsFiles::groupSelectionFile;

// Groups 3, 5 and 12, with a few words graded.
QString standardFile(MainFixture& f, const QString& name = QStringLiteral("english.vku")) {
    return f.makeWordFile(name, {{3, 4, 2, 5}, {5, 2, 4, 7}, {12, 6}});
}

} // namespace

class MainScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainFixture> f;
    QPointer<MainScreen> screen;

    void open(const QString& path, const QString& tool = QStringLiteral(VOKU_WORDS_TOOL)) {
        if (!path.isEmpty())
            f->select(path);
        screen = new MainScreen(f->values, f->dialogs, f->opener, tool);
    }
    template <typename T> T* child(const char* name) {
        T* found = screen->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QListWidget* list(const char* name) { return child<QListWidget>(name); }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    // Enter on a focused button presses it, as in the drill.
    void enter(const char* button) {
        child<QPushButton>(button)->setFocus();
        QTest::keyClick(child<QPushButton>(button), Qt::Key_Return);
    }
    QStringList texts(const char* name) {
        QStringList result;
        for (int row = 0; row < list(name)->count(); ++row)
            result.append(list(name)->item(row)->text());
        return result;
    }
    QStringList tags(const char* name) {
        QStringList result;
        for (const QString& text : texts(name))
            result.append(text.left(3));
        return result;
    }
    // Selects the rows of a list as Ctrl and a click would.
    void selectRows(const char* name, std::initializer_list<int> rows) {
        list(name)->clearSelection();
        for (int row : rows)
            list(name)->item(row)->setSelected(true);
    }
    std::vector<int> groupsOf(const std::vector<WordRecord>& rows) {
        std::vector<int> groups;
        for (const WordRecord& row : rows)
            if (groups.empty() || groups.back() != row.group)
                groups.push_back(row.group);
        return groups;
    }

private slots:
    void init() { f = std::make_unique<MainFixture>(); }
    void cleanup() {
        delete screen;
        f.reset();
    }

    void startsWithTheDesignedControls() {
        open(standardFile(*f));
        QCOMPARE(screen->objectName(), QStringLiteral("VK0010"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("VOKU英単カード　english.vku"));
        QCOMPARE(screen->centralWidget()->size(), QSize(547, 461));
        QCOMPARE(child<QPushButton>("BT_OK")->geometry(), QRect(192, 392, 69, 33));
        QCOMPARE(list("Ls_Db")->geometry(), QRect(88, 36, 392, 228));
        QCOMPARE(child<QLabel>("LB_db")->geometry().left(), list("Ls_Db")->geometry().left());
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
            QVERIFY(child<QLabel>(name));
        for (const char* name : {"BT_select", "BT_cansel", "BT_clr", "BT_init", "BT_print"})
            QVERIFY(child<QPushButton>(name));
        QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisibleTo(screen));
        for (const char* name : {"Ls_Db", "LS_select", "LS_befor"}) {
            QCOMPARE(list(name)->font().families().first(), QStringLiteral("IPAGothic"));
            QCOMPARE(list(name)->font().pointSize(), 12);
        }
        QCOMPARE(list("Ls_Db")->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(list("LS_select")->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(tags("Ls_Db"), QStringList({"  3", "  5", " 12"}));
        QVERIFY(texts("LS_select").isEmpty());
        QVERIFY(texts("LS_befor").isEmpty());

        const QList<std::pair<const char*, QKeySequence>> actions = {
            {"ver_open", QKeySequence(QStringLiteral("Ctrl+O"))},
            {"var_list", {}},
            {"var_itiran", {}},
            {"ver_end", QKeySequence(QStringLiteral("Ctrl+E"))},
            {"ver_dis", {}},
            {"ver_help", QKeySequence(QStringLiteral("Ctrl+H"))},
            {"ver_ver", {}}};
        for (const auto& [name, key] : actions)
            QCOMPARE(child<QAction>(name)->shortcut(), key);
        for (const char* name : {"ver_file", "ver_op", "ver_helpn"})
            QVERIFY(child<QMenu>(name));
    }

    void choosingAndRemovingGroups() {
        open(standardFile(*f));
        click("BT_select");
        QVERIFY(texts("LS_select").isEmpty());

        selectRows("Ls_Db", {2});
        click("BT_select");
        click("BT_select");
        QCOMPARE(texts("LS_select"), QStringList{texts("Ls_Db").at(2)});
        QVERIFY(list("Ls_Db")->item(2)->isSelected());

        selectRows("Ls_Db", {0});
        enter("BT_select");
        QCOMPARE(tags("LS_select"), QStringList({"  3", " 12"}));

        selectRows("Ls_Db", {1});
        click("BT_select");
        selectRows("LS_select", {0, 2});
        enter("BT_cansel");
        QCOMPARE(tags("LS_select"), QStringList({"  5"}));

        enter("BT_clr");
        QVERIFY(texts("LS_select").isEmpty());
    }

    void okBuildsThePracticeSetOfTheChosenGroups() {
        const QString path = standardFile(*f);
        open(path);
        QSignalSpy drill(screen, &MainScreen::drillRequested);
        selectRows("Ls_Db", {2, 0});
        click("BT_select");
        click("BT_OK");
        QCOMPARE(drill.count(), 1);
        QCOMPARE(groupsOf(f->rows(path, true)), (std::vector<int>{3, 12}));
        QCOMPARE(f->rows(path, true).size(), size_t(10));
        QCOMPARE(f->values.levelCounts, (LevelCounts{0, 0, 4, 0, 0, 6}));
        QCOMPARE(f->settingsBytes(groupFile), QByteArray("  3\r\n 12\r\n"));
        QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisibleTo(screen));
        QTRY_VERIFY(screen.isNull());
    }

    void okWithoutChosenGroupsPractisesAll() {
        const QString path = standardFile(*f);
        testfiles::writeAll(f->settingsFile(groupFile), "  5\r\n");
        open(path);
        QCOMPARE(texts("LS_befor"), QStringList{"  5"});
        click("BT_OK");
        QCOMPARE(f->rows(path, true), f->rows(path, false));
        QCOMPARE(f->values.levelCounts, (LevelCounts{0, 0, 4, 0, 2, 6}));
        QCOMPARE(f->settingsBytes(groupFile), QByteArray());
    }

    void resetAnsweredNoThenYes() {
        const QString path = standardFile(*f);
        open(path);
        click("BT_init");
        QCOMPARE(f->dialogs.messages, QStringList{"初期化するグループを選択してください"});

        selectRows("Ls_Db", {0});
        click("BT_select");
        selectRows("LS_select", {0});
        const QStringList before = texts("Ls_Db");
        click("BT_init");
        QCOMPARE(f->dialogs.questions, QStringList{"初期化を実行します。"});
        QCOMPARE(texts("Ls_Db"), before);
        QCOMPARE(f->rows(path, false).front().times, 5);

        f->dialogs.answers = {true};
        click("BT_init");
        for (const WordRecord& row : f->rows(path, false)) {
            const bool reset = row.group == 3;
            QCOMPARE(row.times, reset ? 0 : (row.group == 5 ? 7 : 0));
            QCOMPARE(row.level, reset ? 0 : (row.group == 5 ? 4 : 0));
        }
        QCOMPARE(texts("Ls_Db").at(1), before.at(1));
        QCOMPARE(texts("Ls_Db").at(0).simplified(), QStringLiteral("3 4 0 0 0 0 0"));
        QCOMPARE(texts("LS_select"), QStringList{texts("Ls_Db").at(0)});
        QVERIFY(list("LS_select")->item(0)->isSelected());
    }

    void openingAnotherFile() {
        open(standardFile(*f));
        testfiles::writeAll(f->settingsFile(groupFile), "  3\r\n");
        selectRows("Ls_Db", {1});
        click("BT_select");
        const QString other = f->makeWordFile(QStringLiteral("other.vku"), {{40, 3}});
        f->dialogs.fileChoices = {other};
        child<QAction>("ver_open")->trigger();
        QCOMPARE(screen->windowTitle(), QStringLiteral("VOKU英単カード　other.vku"));
        QCOMPARE(f->values.DataFilePath, other);
        QCOMPARE(SettingsFiles::readDataFileSetting(f->values.DataFileIniPath), other);
        QCOMPARE(f->settingsBytes(groupFile), QByteArray());
        QCOMPARE(tags("Ls_Db"), QStringList{" 40"});
        QVERIFY(texts("LS_select").isEmpty());
        QVERIFY(texts("LS_befor").isEmpty());
    }

    void openingALegacyFileConvertsItWhenTheLearnerAgrees() {
        const QString current = standardFile(*f);
        open(current);
        const QString legacy =
            testfiles::copyFixture(QStringLiteral("jet/small-2000.vku"), f->dir.path());
        const QByteArray legacyBytes = testfiles::readAll(legacy);

        f->dialogs.fileChoices = {legacy};
        child<QAction>("ver_open")->trigger();
        QCOMPARE(f->dialogs.questions.size(), 1);
        QVERIFY(f->dialogs.questions.first().contains(QStringLiteral("small-2000.vku.bak")));
        QCOMPARE(f->values.DataFilePath, current);
        QCOMPARE(tags("Ls_Db"), QStringList({"  3", "  5", " 12"}));
        QVERIFY(!QFile::exists(legacy + QStringLiteral(".bak")));

        f->dialogs.answers = {true};
        f->dialogs.fileChoices = {legacy};
        child<QAction>("ver_open")->trigger();
        QVERIFY(screen->logic().isConverting());
        QVERIFY(!child<QPushButton>("BT_OK")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!screen->logic().isConverting(), 120000);
        QVERIFY2(f->dialogs.messages.size() == 1, qPrintable(f->dialogs.messages.join('|')));
        QCOMPARE(testfiles::readAll(legacy + QStringLiteral(".bak")), legacyBytes);
        QCOMPARE(f->values.DataFilePath, legacy);
        QCOMPARE(screen->windowTitle(), QStringLiteral("VOKU英単カード　small-2000.vku"));
        QCOMPARE(tags("Ls_Db"), QStringList({"  1", "  2", " 12"}));
        QCOMPARE(texts("Ls_Db").at(0).simplified(), QStringLiteral("1 3 1 3 2 1 2"));
        QVERIFY(child<QPushButton>("BT_OK")->isEnabled());
        QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisibleTo(screen));
    }

    void aLegacyFileThatCannotBeConvertedChangesNothing() {
        const QString current = standardFile(*f);
        open(current, f->dir.path() + QStringLiteral("/no-such-tool"));
        const QString legacy =
            testfiles::copyFixture(QStringLiteral("jet/small-2003.vku"), f->dir.path());
        f->dialogs.answers = {true};
        screen->openDataFile(legacy);
        QTRY_VERIFY_WITH_TIMEOUT(!screen->logic().isConverting(), 60000);
        QCOMPARE(f->dialogs.messages.size(), 1);
        QVERIFY(f->dialogs.messages.first().contains(QStringLiteral("no-such-tool")));
        QCOMPARE(f->values.DataFilePath, current);
        QCOMPARE(tags("Ls_Db"), QStringList({"  3", "  5", " 12"}));
        QVERIFY(!QFile::exists(legacy + QStringLiteral(".bak")));
    }

    void aLegacyFileDeclinedAtLoadLeavesTheScreenEmpty() {
        open(testfiles::copyFixture(QStringLiteral("jet/ace-2007.vku"), f->dir.path()));
        QCOMPARE(f->dialogs.questions.size(), 1);
        QCOMPARE(f->values.NoDataFile, qint16(-1));
        QVERIFY(texts("Ls_Db").isEmpty());
        QVERIFY(f->dialogs.messages.isEmpty());
    }

    void printingAsksFirst() {
        open(standardFile(*f));
        click("BT_print");
        QCOMPARE(f->dialogs.questions,
                 QStringList{"全件印刷を開始します。A4をセットしてください。"});
        selectRows("Ls_Db", {1});
        click("BT_select");
        const QString pdf = f->dir.path() + QStringLiteral("/cards.pdf");
        f->dialogs.pdfChoice = pdf;
        f->dialogs.answers = {true, true};
        click("BT_print");
        QCOMPARE(f->dialogs.questions.at(1),
                 QStringLiteral("印刷を開始します。A4をセットしてください。"));
        QVERIFY(QFile::exists(pdf));
        QVERIFY(!child<QProgressBar>("ProgressBar1")->isVisibleTo(screen));
    }

    void activationAppliesTheBackgroundColour() {
        open(standardFile(*f));
        f->values.MainBackColor = QStringLiteral("255");
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(screen, &activate);
        QCOMPARE(screen->centralWidget()->palette().color(QPalette::Window), QColor(Qt::red));
    }
};

QTEST_MAIN(MainScreenTest)
#include "mainscreen_test.moc"
