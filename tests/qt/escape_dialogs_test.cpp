// The Escape key's state, and the modal dialogs answered as a user would.
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include "qt_support.h"

namespace {

class EscapeAndDialogs : public QtTest {
protected:
    void SetUp() override {
        QtTest::SetUp();
        ASSERT_TRUE(OpenWindow(0, "main", 640, 480, true));
        ASSERT_TRUE(OpenWindow(1, "map", 300, 200, false, 0, 40, 40));
        ASSERT_NE(Exposed(0), nullptr);
    }
    // Runs `answer` on the dialog once it is up.
    static void WhenModal(std::function<void(QWidget*)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            answer(modal);
        });
    }
    static void Key(QWidget* to, QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
        QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
        QCoreApplication::sendEvent(to, &e);
    }
};

TEST_F(EscapeAndDialogs, EscapeHeldInEitherWindowWakesTheLoopWithTheKeyDown) {
    for (int window : {0, 1}) {
        ShowWindow(window, true);
        // Posted, as the window system would deliver it: the wait handles it and returns.
        QCoreApplication::postEvent(WindowWidget(window), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        Event ev;
        ASSERT_TRUE(WaitMessage(ev));
        EXPECT_TRUE(IsKeyDown(KeyEscape)) << window;
        Key(WindowWidget(window), QEvent::KeyRelease, Qt::Key_Escape);
        EXPECT_FALSE(IsKeyDown(KeyEscape)) << window;
    }
}

TEST_F(EscapeAndDialogs, EscapeTappedWithinOneWaitReadsAsDownWhenTheWaitReturns) {
    // A quick tap under load: the press and the release are both pending when the loop
    // waits, and the wait handles both before it returns.
    QCoreApplication::postEvent(WindowWidget(0), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QCoreApplication::postEvent(WindowWidget(0), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier));
    Event ev;
    ASSERT_TRUE(WaitMessage(ev));
    EXPECT_TRUE(IsKeyDown(KeyEscape));
    // The next wait, woken by something else, no longer sees the key.
    QCoreApplication::postEvent(WindowWidget(0), new QEvent(QEvent::User));
    ASSERT_TRUE(WaitMessage(ev));
    EXPECT_FALSE(IsKeyDown(KeyEscape));
}

TEST_F(EscapeAndDialogs, EscapeThatClosesAMessageBoxIsNotHeldForTheProgram) {
    QString shownTitle, shownText;
    WhenModal([&](QWidget* box) {
        shownTitle = box->windowTitle();
        shownText = static_cast<QMessageBox*>(box)->text();
        QTest::keyPress(box, Qt::Key_Escape);
    });
    ShowMessage("No file", "/tmp/<missing>.fnt");
    EXPECT_EQ(shownTitle, "No file");
    EXPECT_EQ(shownText, "/tmp/<missing>.fnt");
    EXPECT_FALSE(IsKeyDown(KeyEscape));
    // The key, still held, repeats into the main window: still not a fresh press there.
    Key(WindowWidget(0), QEvent::KeyPress, Qt::Key_Escape, true);
    EXPECT_FALSE(IsKeyDown(KeyEscape));
    Key(WindowWidget(0), QEvent::KeyRelease, Qt::Key_Escape);
    Key(WindowWidget(0), QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(IsKeyDown(KeyEscape));
}

TEST_F(EscapeAndDialogs, OpenDialogListsTheTypesAcceptsANewNameAndTellsTheTypeChosen) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString wanted = dir.filePath("new.map");  // does not exist
    QStringList labels;
    QString startFilter, startDir;
    WhenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(combo, nullptr);
        for (int i = 0; i < combo->count(); ++i) labels << combo->itemText(i);
        startFilter = dialog->selectedNameFilter();
        startDir = dialog->directory().absolutePath();
        dialog->selectNameFilter(dialog->nameFilters()[1]);
        dialog->selectFile(wanted);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    OpenChoice choice = ShowOpenDialog("Open", dir.path().toStdString() + "/",
                                       {{"Font (*.fnt)", "*.fnt"}, {"Character map (*.map)", "*.map"}, {"Anything", ""}});
    EXPECT_EQ(labels, (QStringList{"Font (*.fnt)", "Character map (*.map)", "Anything"}));
    EXPECT_EQ(startFilter, "Font (*.fnt)");  // the first type, preselected
    EXPECT_EQ(startDir, dir.path());
    EXPECT_EQ(choice.path, wanted.toStdString());
    EXPECT_EQ(choice.typeIndex, 1);
}

TEST_F(EscapeAndDialogs, EscapeCancelsTheOpenDialogOnly) {
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    OpenChoice choice = ShowOpenDialog("Open", "", {{"Font (*.fnt)", "*.fnt"}});
    EXPECT_EQ(choice.path, "");
    EXPECT_FALSE(IsKeyDown(KeyEscape));
}

TEST_F(EscapeAndDialogs, SaveDialogReplacesWithoutAskingAndAddsNoExtension) {
    QTemporaryDir dir;
    QFile existing(dir.filePath("old"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    QString suffix = "unset";
    bool confirms = true;
    QStringList filters;
    WhenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        suffix = dialog->defaultSuffix();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        filters = dialog->nameFilters();
        dialog->selectFile(existing.fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    });
    std::string path = ShowSaveDialog("Please choose file to save", dir.path().toStdString() + "/", {{".bmp", ""}});
    EXPECT_EQ(path, existing.fileName().toStdString());
    EXPECT_EQ(suffix, "");
    EXPECT_FALSE(confirms);
    EXPECT_EQ(filters, QStringList{".bmp (*)"});  // a type without a pattern matches every file
}

TEST_F(EscapeAndDialogs, ColourDialogStartsAtBlackAndReturnsTheChoice) {
    QColor start;
    WhenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        start = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(ShowColourDialog(), 1 + 2 * 256 + 3 * 65536);
    EXPECT_EQ(start, QColor(Qt::black));
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_EQ(ShowColourDialog(), -1);
    EXPECT_FALSE(IsKeyDown(KeyEscape));
}

}  // namespace
