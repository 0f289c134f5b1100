// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appvalues.h"
#include "app/lazysoundplayer.h"
#include "app/qtdocumentopener.h"
#include "app/qtuserdialogs.h"
#include "program/applicationsetup.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// The real dialogs, sound and document seams, driven by acting on whatever modal dialog
// comes up.
class QtSeamsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxesCarryTitleTextIconAndAnswer();
    void dataFileDialogIsQtsOwnWithTheWordDataFilter();
    void colourDialogStartsFromTheColourAndCancelGivesNothing();
    void soundAndDocumentsFailSilently();

private:
    testfiles::TempHome home_; // the file dialog keeps its state in the user's configuration
    QtUserDialogs dialogs_;

    // Runs action on the next modal dialog of type T once it is up.
    template <typename T> static void whenModal(std::function<void(T*)> action) {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!modal)
                return;
            timer->stop();
            timer->deleteLater();
            action(modal);
        });
        timer->start();
    }
};

// As the program starts: Japanese texts in Qt's own dialogs, and the program's icon.
void QtSeamsTest::initTestCase() {
    ApplicationSetup::apply(*qApp);
    QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
}

void QtSeamsTest::messageBoxesCarryTitleTextIconAndAnswer() {
    QStringList shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        shown << box->windowTitle() << box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs_.inform(QStringLiteral("単語データを選択してください。"),
                    UserDialogs::Icon::Exclamation);
    QCOMPARE(shown, (QStringList{"VOKU英単カード", "単語データを選択してください。"}));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    const std::pair<QMessageBox::StandardButton, QString> answers[] = {
        {QMessageBox::Yes, QStringLiteral("はい(&Y)")},
        {QMessageBox::No, QStringLiteral("いいえ(&N)")}};
    for (const auto& [answer, caption] : answers) {
        QString shownCaption;
        whenModal<QMessageBox>([&, answer](QMessageBox* box) {
            shownCaption = box->button(answer)->text();
            box->button(answer)->click();
        });
        QCOMPARE(dialogs_.askYesNo(QStringLiteral("?")), answer == QMessageBox::Yes);
        QCOMPARE(shownCaption, caption);
    }
}

void QtSeamsTest::dataFileDialogIsQtsOwnWithTheWordDataFilter() {
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("a.vku"))).open(QIODevice::WriteOnly);
    QStringList filters;
    QString lookIn;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        filters = dialog->nameFilters();
        lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        dialog->reject();
    });
    QCOMPARE(dialogs_.chooseDataFile(dir.path()), QString());
    QCOMPARE(filters, QStringList{QStringLiteral("単語データ (*.vku)")});
    QCOMPARE(lookIn, QStringLiteral("アドレス:"));

    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("a.vku"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(dialogs_.chooseDataFile(dir.path()), dir.filePath(QStringLiteral("a.vku")));
}

void QtSeamsTest::colourDialogStartsFromTheColourAndCancelGivesNothing() {
    QColor shown;
    QStringList labels;
    whenModal<QColorDialog>([&](QColorDialog* dialog) {
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels << label->text();
        shown = dialog->currentColor();
        dialog->reject();
    });
    QCOMPARE(dialogs_.chooseColour(QColor(0xFF, 0xFF, 0xC0)), std::nullopt);
    QCOMPARE(shown, QColor(0xFF, 0xFF, 0xC0));
    QVERIFY2(labels.contains(QStringLiteral("基本カラー(&B)")), qPrintable(labels.join(u'|')));

    whenModal<QColorDialog>([](QColorDialog* dialog) {
        dialog->setCurrentColor(Qt::red);
        static_cast<QDialog*>(dialog)->accept();
    });
    QCOMPARE(dialogs_.chooseColour(Qt::white), std::optional<QColor>(QColor(Qt::red)));
}

// No sound module, a file that is no sound, no audio device, no document: silence, no wait.
void QtSeamsTest::soundAndDocumentsFailSilently() {
    QTemporaryDir dir;
    AppValues values;
    values.appFolder = dir.path() + QLatin1Char('/');
    testfiles::writeAll(dir.filePath(QStringLiteral("ng.wav")), "not a sound");
    const QString none = dir.filePath(QStringLiteral("none.so"));
    LazySoundPlayer player(values, {none, QStringLiteral(VOKU_SOUND_MODULE)});
    player.play(QStringLiteral("ok.wav"));
    QVERIFY2(player.hasModule(), "the real player is loaded on the first sound");
    player.play(QStringLiteral("ng.wav"));
    player.play(QStringLiteral("ng.wav"));
    LazySoundPlayer withoutModule(values, {none});
    withoutModule.play(QStringLiteral("ng.wav"));
    QVERIFY(!withoutModule.hasModule());
    QVERIFY(!QtDocumentOpener().open(QStringLiteral("/no/such/manual.pdf")));
}

QTEST_MAIN(QtSeamsTest)
#include "qtseams_test.moc"
