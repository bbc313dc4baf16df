#include "device_list.h"
#include "properties_dialog.h"
#include "window_captions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QComboBox* list(const QString& name, const QStringList& items, bool enabled, QWidget* parent) {
    auto* box = named(new QComboBox(parent), name);
    box->addItems(items);
    box->setEnabled(enabled);
    return box;
}

QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent) {
    return named(new QGroupBox(caption, parent), name);
}

// One option button per caption, named <prefix><index>, disabled: only the port is a choice.
// Selecting an option, by the operator or by the opening, runs its click handler.
template <std::size_t N>
void options(std::array<QRadioButton*, N>& buttons, const QString& prefix,
             const QStringList& captions, QGroupBox* frame,
             const std::function<void(int)>& clicked) {
    auto* column = new QVBoxLayout(frame);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = named(new QRadioButton(captions[int(i)], frame), prefix + QString::number(i));
        buttons[i]->setEnabled(false);
        column->addWidget(buttons[i]);
        QObject::connect(buttons[i], &QRadioButton::toggled, frame, [clicked, i](bool on) {
            if (on)
                clicked(int(i));
        });
    }
}

} // namespace

void PropertiesDialog::buildControls(const SerialDeviceSource& devices) {
    setWindowTitle(Captions::propertiesDialog);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* tabs = named(new QTabWidget(this), QStringLiteral("tabSettings"));
    // The tab already reads "Einstellungen"; the frame on it shows no second title.
    auto* settings = named(new QWidget(tabs), QStringLiteral("fraSettings"));
    settings->setAccessibleName(Captions::settingsTab);
    tabs->addTab(settings, Captions::settingsTab);

    auto* grid = new QGridLayout(settings);
    grid->addWidget(named(new QLabel(Captions::portLabel, settings), QStringLiteral("Label1")), 0,
                    0);
    QStringList ports;
    for (int n = 1; n <= 16; ++n)
        ports << Captions::portChoice(n);
    cboPort = list(QStringLiteral("cboPort"), ports, true, settings);
    grid->addWidget(cboPort, 0, 1, Qt::AlignLeft);
    auto* deviceLabel = named(new QLabel(Captions::deviceLabel, settings), "lblDevice");
    cboDevice = named(new DeviceList(devices, settings), QStringLiteral("cboDevice"));
    deviceLabel->setBuddy(cboDevice);
    grid->addWidget(deviceLabel, 1, 0);
    grid->addWidget(cboDevice, 1, 1);
    grid->addWidget(buildFormat(settings), 2, 0, 1, 2);
    grid->addWidget(buildOptions(settings), 3, 0, 1, 2);
    connect(cboPort, &QComboBox::currentIndexChanged, this, &PropertiesDialog::showDevice);

    auto* ok = named(new QPushButton(Captions::ok, this), QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(Captions::cancel, this), QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &PropertiesDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &PropertiesDialog::cmdCancel_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* PropertiesDialog::buildFormat(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* speed = frame(QStringLiteral("Frame1"), Captions::speedFrame, box);
    cboSpeed = list(QStringLiteral("cboSpeed"), Captions::speedChoices, false, speed);
    (new QVBoxLayout(speed))->addWidget(cboSpeed);
    auto* format = frame(QStringLiteral("fraConnection"), Captions::formatFrame, box);
    auto* grid = new QGridLayout(format);
    cboDataBits = list(QStringLiteral("cboDataBits"), Captions::dataBitsChoices, false, format);
    cboParity = list(QStringLiteral("cboParity"), Captions::parityChoices, false, format);
    cboStopBits = list(QStringLiteral("cboStopBits"), Captions::stopBitsChoices, false, format);
    const std::array<std::pair<QString, QString>, 3> labels{
        {{QStringLiteral("Label3"), Captions::dataBitsLabel},
         {QStringLiteral("Label4"), Captions::parityLabel},
         {QStringLiteral("Label5"), Captions::stopBitsLabel}}};
    QComboBox* const lists[] = {cboDataBits, cboParity, cboStopBits};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(named(new QLabel(labels[i].second, format), labels[i].first), i, 0);
        grid->addWidget(lists[i], i, 1);
    }
    row->addWidget(speed, 0, Qt::AlignTop);
    row->addWidget(format);
    return box;
}

QWidget* PropertiesDialog::buildOptions(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* flow = frame(QStringLiteral("Frame5"), Captions::flowFrame, box);
    options(optFlow, QStringLiteral("optFlow"), Captions::flowChoices(), flow,
            [this](int i) { optFlow_Click(i); });
    auto* echo = frame(QStringLiteral("Frame7"), Captions::echoFrame, box);
    options(optEcho, QStringLiteral("optEcho"), Captions::echoChoices(), echo,
            [this](int i) { optEcho_Click(i); });
    row->addWidget(flow);
    row->addWidget(echo, 0, Qt::AlignTop);
    return box;
}
