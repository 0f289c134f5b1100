// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/appvalues.h"
#include "app/lazysoundplayer.h"
#include "app/qtdocumentopener.h"
#include "app/qtuserdialogs.h"
#include "program/applicationsetup.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

// The real dialogs, sound and document seams, driven by closing whatever modal dialog
// comes up.
class QtSeamsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void messageBoxCarriesTitleTextIconAndButtons();
    void askYesNoAnswersWithTheButtonPressed();
    void dataFileDialogIsQtsOwnWithTheWordDataFilter();
    void colourDialogStartsFromTheColourAndCancelGivesNothing();
    void soundWithoutFileReturnsAtOnce();
    void documentThatDoesNotExistIsNotOpened();

private:
    // The file dialog keeps its state in the user's configuration.
    testfiles::TempHome home_;

    // Runs action on the next modal dialog once it is up.
    static void whenModal(std::function<void(QWidget*)> action);
};

void QtSeamsTest::whenModal(std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
}

// As the program starts: Japanese texts in Qt's own dialogs, and the program's icon.
void QtSeamsTest::initTestCase() {
    ApplicationSetup::apply(*qApp);
    QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
}

void QtSeamsTest::messageBoxCarriesTitleTextIconAndButtons() {
    QtUserDialogs dialogs;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.inform(QStringLiteral("単語データを選択してください。"),
                   UserDialogs::Icon::Exclamation);
    QCOMPARE(title, QStringLiteral("VOKU英単カード"));
    QCOMPARE(text, QStringLiteral("単語データを選択してください。"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void QtSeamsTest::askYesNoAnswersWithTheButtonPressed() {
    QtUserDialogs dialogs;
    const struct {
        QMessageBox::StandardButton answer;
        QString caption;
    } cases[] = {{QMessageBox::Yes, QStringLiteral("はい(&Y)")},
                 {QMessageBox::No, QStringLiteral("いいえ(&N)")}};
    for (const auto& [answer, caption] : cases) {
        QString shown;
        whenModal([answer, &shown](QWidget* modal) {
            QAbstractButton* button = qobject_cast<QMessageBox*>(modal)->button(answer);
            shown = button->text();
            button->click();
        });
        QCOMPARE(dialogs.askYesNo(QStringLiteral("?")), answer == QMessageBox::Yes);
        QCOMPARE(shown, caption);
    }
}

void QtSeamsTest::dataFileDialogIsQtsOwnWithTheWordDataFilter() {
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("a.vku"))).open(QIODevice::WriteOnly);
    QtUserDialogs dialogs;
    QString lookIn;
    QStringList filters;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
        lookIn = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
        filters = dialog->nameFilters();
        dialog->reject();
    });
    QCOMPARE(dialogs.chooseDataFile(dir.path()), QString());
    QCOMPARE(filters, QStringList{QStringLiteral("単語データ (*.vku)")});
    QCOMPARE(lookIn, QStringLiteral("アドレス:"));

    whenModal([&](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QStringLiteral("a.vku"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    QCOMPARE(dialogs.chooseDataFile(dir.path()), dir.filePath(QStringLiteral("a.vku")));
}

void QtSeamsTest::colourDialogStartsFromTheColourAndCancelGivesNothing() {
    QtUserDialogs dialogs;
    QColor shown;
    QStringList labels;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        QVERIFY(dialog);
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels << label->text();
        shown = dialog->currentColor();
        dialog->reject();
    });
    QCOMPARE(dialogs.chooseColour(QColor(0xFF, 0xFF, 0xC0)), std::nullopt);
    QCOMPARE(shown, QColor(0xFF, 0xFF, 0xC0));
    QVERIFY2(labels.contains(QStringLiteral("基本カラー(&B)")), qPrintable(labels.join(u'|')));

    whenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        dialog->setCurrentColor(Qt::red);
        static_cast<QDialog*>(dialog)->accept();
    });
    QCOMPARE(dialogs.chooseColour(Qt::white), std::optional<QColor>(QColor(Qt::red)));
}

void QtSeamsTest::soundWithoutFileReturnsAtOnce() {
    QTemporaryDir dir;
    AppValues values;
    values.AppFolder = dir.path() + QLatin1Char('/');
    LazySoundPlayer player(
        values, {dir.filePath(QStringLiteral("none.so")), QStringLiteral(VOKU_SOUND_MODULE)});
    player.play(QStringLiteral("ok.wav"));
    QVERIFY2(player.hasModule(), "the real player is loaded on the first sound");
    // A file that is no sound, perhaps with no audio device: still silence, no wait.
    QFile file(dir.filePath(QStringLiteral("ng.wav")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a sound");
    file.close();
    player.play(QStringLiteral("ng.wav"));
    player.play(QStringLiteral("ng.wav"));

    LazySoundPlayer withoutModule(values, {dir.filePath(QStringLiteral("none.so"))});
    withoutModule.play(QStringLiteral("ng.wav"));
    QVERIFY(!withoutModule.hasModule());
}

void QtSeamsTest::documentThatDoesNotExistIsNotOpened() {
    QtDocumentOpener opener;
    QVERIFY(!opener.open(QStringLiteral("/no/such/manual.pdf")));
}

QTEST_MAIN(QtSeamsTest)
#include "qtseams_test.moc"
