// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grouplists.h"

#include "data/wordstore.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct AppValues;
class DocumentOpener;
class UserDialogs;
class DataFileSwitch;
class BusyCursor;
class CsvTransfer;

// What the main screen shows and what each of its commands does: the group lists, the
// practice-set build, the group reset, printing and the menus. The window renders this
// state and forwards the learner's actions; other windows are asked for through signals.
class MainScreenLogic : public QObject {
    Q_OBJECT
public:
    using CardPrinting = std::function<bool(const WordStore&, const std::vector<int>&,
                                            const QString&, const WordStore::Progress&)>;

    // converterPath is the command-line tool that converts legacy word files.
    MainScreenLogic(AppValues& values, UserDialogs& dialogs, DocumentOpener& opener,
                    QString converterPath, QObject* parent = nullptr);
    ~MainScreenLogic() override;

    const GroupLists& lists() const { return lists_; }
    QString caption() const;
    QColor backgroundColour() const;
    bool progressVisible() const { return progressVisible_; }
    int progressValue() const { return progressValue_; }
    int progressMaximum() const { return progressMaximum_; }
    // True while a legacy file is converted or a CSV imported; the commands wait for it.
    bool isWorking() const;

    // Fills the lists from the current data file.
    void load();
    void chooseGroups(const QList<int>& summaryRows);
    void removeChosen(const QList<int>& chosenRows);
    void clearChosen();
    void buildPracticeSet();
    void resetGroups();
    void printCards(const CardPrinting& print);

    // The menus.
    void openDataFile();
    // Opens a file as the open dialog would have chosen it (also the command line's file).
    void openDataFile(const QString& path);
    void importCsv();
    void exportCsv();
    void showWordList();
    void showDataFileChooser();
    void showDisplaySettings();
    void openManual();
    void showAbout();
    void exitProgram();

signals:
    void captionChanged();
    void summaryChanged();
    void chosenChanged();
    void previousChanged();
    void progressChanged();
    void workingChanged();
    void drillRequested();
    void wordListRequested();
    void dataFileChooserRequested();
    void displaySettingsRequested();
    void aboutRequested();
    // 0 for the menu's exit; non-zero after an error the program cannot go on from.
    void exitRequested(int status);

private:
    bool canUseFile() const;
    void clearLists();
    void fillSummary();
    QStringList readPreviousSelection() const;
    void failOnStoreError(const StoreError& error);
    void showProgress(qint64 maximum);
    void advanceProgress(qint64 done, qint64 total);
    void hideProgress();
    WordStore::Progress progressReporter();
    void renderWorking(bool working);
    QString groupSelectionPath() const;

    AppValues& values_;
    UserDialogs& dialogs_;
    DocumentOpener& opener_;
    DataFileSwitch* switch_;
    CsvTransfer* csv_;
    GroupLists lists_;
    std::optional<WordStore> store_;
    bool progressVisible_ = false;
    int progressValue_ = 0;
    int progressMaximum_ = 0;
    std::unique_ptr<BusyCursor> workBusy_;
};
