#include "main_window.h"
#include "window_captions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

namespace {

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QComboBox* choice(const QString& name, const QStringList& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

} // namespace

void MainWindow::buildControls() {
    setWindowTitle(Captions::mainWindow);
    auto* central = new QWidget(this);
    StartCommand = button(QStringLiteral("StartCommand"), Captions::startTests, central);
    DemoCommand = button(QStringLiteral("DemoCommand"), Captions::demoText, central);
    CommProps = button(QStringLiteral("CommProps"), Captions::portSettings, central);
    DoneTesting = button(QStringLiteral("DoneTesting"), Captions::endProgram, central);
    cmbZRCols = choice(QStringLiteral("cmbZRCols"), Captions::columnChoices, central);
    cmbZRRows = choice(QStringLiteral("cmbZRRows"), Captions::rowChoices, central);
    auto* separator = new QLabel(Captions::geometrySeparator, central);
    separator->setObjectName(QStringLiteral("Label1"));
    separator->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout(central);
    QPushButton* const buttons[] = {StartCommand, DemoCommand, CommProps, DoneTesting};
    for (int row = 0; row < 4; ++row)
        grid->addWidget(buttons[row], row, 0, 1, 3);
    grid->addWidget(cmbZRCols, 4, 0);
    grid->addWidget(separator, 4, 1);
    grid->addWidget(cmbZRRows, 4, 2);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);

    // The order on screen: a key pressed twice too often must not end the program.
    setTabOrder(StartCommand, DemoCommand);
    setTabOrder(DemoCommand, CommProps);
    setTabOrder(CommProps, DoneTesting);
    setTabOrder(DoneTesting, cmbZRCols);
    setTabOrder(cmbZRCols, cmbZRRows);
    StartCommand->setFocus();

    connect(StartCommand, &QPushButton::clicked, this, &MainWindow::StartCommand_Click);
    connect(DemoCommand, &QPushButton::clicked, this, &MainWindow::DemoCommand_Click);
    connect(CommProps, &QPushButton::clicked, this, &MainWindow::CommProps_Click);
    connect(DoneTesting, &QPushButton::clicked, this, &MainWindow::DoneTesting_Click);
    connect(cmbZRRows, &QComboBox::currentIndexChanged, this, &MainWindow::cmbZRRows_Click);
    connect(cmbZRCols, &QComboBox::currentIndexChanged, this, &MainWindow::cmbZRCols_Click);
    // The status bar draws its message inset by 6 pixels on the left and 12 on the right.
    const int statusWidth =
        statusBar()->fontMetrics().horizontalAdvance(Captions::portInactive) + 6 + 12;
    setFixedSize(sizeHint().expandedTo(QSize(std::max(300, statusWidth), 0)));
}
