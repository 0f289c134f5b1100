// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs, sound and document seams, driven by acting on whatever modal dialog
// comes up.
#include "app/appvalues.h"
#include "app/lazysoundplayer.h"
#include "app/qtdocumentopener.h"
#include "app/qtuserdialogs.h"
#include "program/applicationsetup.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

class QtSeamsTest : public QObject {
    Q_OBJECT

    testfiles::TempHome home_; // the file dialog keeps its state in the user's configuration
    QtUserDialogs dialogs_;

    // Runs action on the next modal dialog of type T once it is up.
    template <typename T> static void whenModal(std::function<void(T*)> action) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                action(modal);
            }
        });
        timer->start(10);
    }

private slots:
    // As the program starts: Japanese texts in Qt's own dialogs, and the program's icon.
    void initTestCase() {
        ApplicationSetup::apply(*qApp);
        QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
    }

    void messageBoxesCarryTitleTextIconAndAnswer() {
        const std::tuple<QMessageBox::StandardButton, QMessageBox::Icon, QString> rows[] = {
            {QMessageBox::Ok, QMessageBox::Warning, "OK"},
            {QMessageBox::Yes, QMessageBox::Question, "はい(&Y)"},
            {QMessageBox::No, QMessageBox::Question, "いいえ(&N)"}};
        for (const auto& [press, icon, caption] : rows) {
            QStringList shown;
            whenModal<QMessageBox>([&, press = press](QMessageBox* box) {
                shown << box->windowTitle() << box->text() << box->button(press)->text()
                      << QString::number(box->icon());
                box->button(press)->click();
            });
            const bool answer = press == QMessageBox::Ok
                                    ? (dialogs_.inform("文", UserDialogs::Icon::Exclamation), true)
                                    : dialogs_.askYesNo("文");
            QCOMPARE(answer, press != QMessageBox::No);
            QCOMPARE(shown, QStringList({"VOKU英単カード", "文", caption, QString::number(icon)}));
        }
    }

    void fileDialogsAreQtsOwnWithTheirFilters() {
        QTemporaryDir dir;
        testfiles::writeAll(dir.filePath("a.vku"), "");
        const std::tuple<std::function<QString()>, QString, QString> rows[] = {
            {[&] { return dialogs_.chooseDataFile(dir.path()); }, "単語データ (*.vku)", ""},
            {[&] { return dialogs_.chooseDataFile(dir.path()); }, "単語データ (*.vku)", "a.vku"},
            {[&] { return dialogs_.choosePdfFile(dir.filePath("c.pdf")); }, "PDF (*.pdf)",
             "c.pdf"}};
        for (const auto& [choose, filter, name] : rows) {
            QString shown;
            whenModal<QFileDialog>([&, name = name](QFileDialog* dialog) {
                const bool own = dialog->testOption(QFileDialog::DontUseNativeDialog);
                shown = dialog->nameFilters().join('|') + (own ? "" : " (native)");
                auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
                edit->setText(name);
                name.isEmpty() ? dialog->reject() : QTest::keyClick(edit, Qt::Key_Return);
            });
            QCOMPARE(choose(), name.isEmpty() ? QString() : dir.filePath(name));
            QCOMPARE(shown, filter);
        }
    }

    void colourDialogStartsFromTheColourAndCancelGivesNothing() {
        for (const bool accept : {false, true}) {
            QColor shown;
            whenModal<QColorDialog>([&](QColorDialog* dialog) {
                shown = dialog->currentColor();
                dialog->setCurrentColor(Qt::red);
                accept ? static_cast<QDialog*>(dialog)->accept() : dialog->reject();
            });
            QCOMPARE(dialogs_.chooseColour(QColor(0xFF, 0xFF, 0xC0)),
                     accept ? std::optional<QColor>(Qt::red) : std::nullopt);
            QCOMPARE(shown, QColor(0xFF, 0xFF, 0xC0));
        }
    }

    // No sound module, a file that is no sound, no audio device, no document: silence, no wait.
    void soundAndDocumentsFailSilently() {
        QTemporaryDir dir;
        AppValues values;
        values.appFolder = dir.path() + '/';
        testfiles::writeAll(dir.filePath("ok.wav"), "not a sound");
        LazySoundPlayer player(values, {"/no/such.so", VOKU_SOUND_MODULE}),
            none(values, {"/no/such.so"});
        player.play("ok.wav");
        none.play("ok.wav");
        QVERIFY2(player.hasModule() && !none.hasModule(),
                 "the module is loaded on the first sound");
        QVERIFY(!QtDocumentOpener().open("/no/such/manual.pdf"));
    }
};

QTEST_MAIN(QtSeamsTest)
#include "qtseams_test.moc"
