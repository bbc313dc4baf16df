#include "device_link/serial_port.h"
#include "modal_driver.h"
#include "operator_ui/main_window.h"
#include "operator_ui/operator_prompt.h"
#include "operator_ui/qt_translation.h"
#include "operator_ui/window_captions.h"
#include "pty_pair.h"
#include "scripted_prompt.h"
#include "test_store.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestStore::clear();
        TestStore::mapPort(1, pty.slavePath());
        window.Form_Load();
    }
    PtyPair pty;
    ScriptedPrompt prompt;
    MainWindow window{prompt};
};

QStringList items(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

TEST_F(MainWindowTest, ShowsItsCommandsAndTheGeometryListsInOrder) {
    EXPECT_EQ(window.windowTitle(), "ZR Test und Initialisierung");
    const QStringList names{"StartCommand", "DemoCommand", "CommProps", "DoneTesting"};
    const QStringList captions{"Starte Tests", "Demo-Text", "COM Einstellungen", "Programmende"};
    window.show();
    int previousTop = -1;
    for (int i = 0; i < names.size(); ++i) {
        auto* button = window.findChild<QPushButton*>(names[i]);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_GT(button->y(), previousTop);
        previousTop = button->y();
    }
    EXPECT_EQ(items(window.cmbZRCols), QStringList({"8", "16", "20", "24", "32", "40"}));
    EXPECT_EQ(items(window.cmbZRRows), QStringList({"1", "2", "4"}));
    EXPECT_FALSE(window.cmbZRCols->isEditable());
    auto* separator = window.findChild<QLabel*>("Label1");
    ASSERT_NE(separator, nullptr);
    EXPECT_EQ(separator->text(), "X");
    EXPECT_LT(window.cmbZRCols->x(), separator->x());
    EXPECT_LT(separator->x(), window.cmbZRRows->x());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

// Tab, Tab, Enter from start-up must not end the program.
TEST_F(MainWindowTest, FocusFollowsTheScreenButtonsThenLists) {
    QWidget* const expected[] = {window.DemoCommand, window.CommProps, window.DoneTesting,
                                 window.cmbZRCols, window.cmbZRRows};
    QWidget* widget = window.StartCommand;
    for (QWidget* next : expected) {
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
        EXPECT_EQ(widget, next) << widget->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, ABoxKeepsASaneWidthAndShowsALongPathWholeInItsTooltip) {
    const QString path = "/dev/serial/by-id/" + QString(10'000, 'x');
    int width = 0;
    QString tooltip;
    whenModalShown([&](QWidget* box) {
        width = box->width();
        tooltip = box->toolTip();
        box->close();
    });
    MessageBoxPrompt().ask({"Gerät " + path + " fehlt.", "Quendal"});
    EXPECT_GT(width, 0);
    EXPECT_LT(width, 1000);
    EXPECT_TRUE(tooltip.contains(path));
}

TEST_F(MainWindowTest, ChoosingAGeometrySetsItEvenWhenTheTerminalCannotShowIt) {
    window.cmbZRCols->setCurrentIndex(0);
    window.cmbZRRows->setCurrentIndex(0);
    EXPECT_EQ(window.state.TerminalCols, 8);
    EXPECT_EQ(window.state.TerminalRows, 1);
}

TEST_F(MainWindowTest, TheStatusBarFollowsThePortWhenTheDeviceGoesAway) {
    ASSERT_EQ(window.statusBar()->currentMessage(), "COM1: 9600,e,8,1");
    pty.hangUp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.MSComm1->PortOpen(); }, 2000));
    EXPECT_EQ(window.statusBar()->currentMessage(),
              "Schnittstelle inaktiv. Keine Verbindung zum ZR/LN.");
}

TEST_F(MainWindowTest, TheInactivePortsTextFitsTheFixedSizeWindow) {
    window.show();
    const QStatusBar* bar = window.statusBar();
    // The status bar keeps 6 pixels free on the left of its message and 12 on the right.
    EXPECT_GE(bar->width() - 18, bar->fontMetrics().horizontalAdvance(Captions::portInactive));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST(QtTranslationTest, StandardButtonsReadGermanWhateverTheDesktopSpeaks) {
    QLocale::setDefault(QLocale(QLocale::English));
    installQtGermanTranslation(*qApp);
    QMessageBox box(QMessageBox::NoIcon, "Quendal", "?", QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Retry)->text().remove('&'), "Wiederholen");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Abbrechen");
    for (auto* translator : qApp->findChildren<QTranslator*>())
        delete translator;
    QLocale::setDefault(QLocale::system());
}

TEST_F(MainWindowTest, ProgrammendeClosesTheWindowWithoutAQuestion) {
    window.show();
    window.DoneTesting->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompt.shown.empty());
}

} // namespace
