#include "dialogs/telescope_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "texts/telescope_captions.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

TTelescopeDlg::TTelescopeDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TelescopeDlg"));
    setWindowTitle(PlainString("T\xE1vcs\xF5"));
    setFont(RunicFont(13));
    setLayoutDirection(Qt::RightToLeft);

    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    HostLabel = label("HostLabel");
    PortLabel = label("PortLabel");
    DeviceLabel = label("DeviceLabel");
    LimitLabel = label("LimitLabel");
    StateLabel = label("StateLabel");
    NoteLabel = label("NoteLabel");
    NoteLabel->setWordWrap(true);
    NoteLabel->setFont(ArialFont(13));
    HostEdit = new QLineEdit(this);
    HostEdit->setObjectName(QStringLiteral("HostEdit"));
    PortEdit = new QSpinBox(this);
    PortEdit->setObjectName(QStringLiteral("PortEdit"));
    PortEdit->setRange(1, 65535);
    DeviceBox = new QComboBox(this);
    DeviceBox->setObjectName(QStringLiteral("DeviceBox"));
    DeviceBox->setEditable(true);
    DeviceBox->setInsertPolicy(QComboBox::NoInsert);
    LimitEdit = new QDoubleSpinBox(this);
    LimitEdit->setObjectName(QStringLiteral("LimitEdit"));
    LimitEdit->setRange(-90.0, 90.0);
    LimitEdit->setDecimals(1);
    LimitEdit->setSuffix(QStringLiteral("\u00B0"));
    for (QWidget* w : std::initializer_list<QWidget*>{HostEdit, PortEdit, DeviceBox, LimitEdit}) {
        w->setFont(ArialFont(13));
        w->setLayoutDirection(Qt::LeftToRight);
    }
    ConnectAtStart = new QCheckBox(this);
    ConnectAtStart->setObjectName(QStringLiteral("ConnectAtStart"));
    CloseUpFollows = new QCheckBox(this);
    CloseUpFollows->setObjectName(QStringLiteral("CloseUpFollows"));
    ConnectButton = new QPushButton(this);
    ConnectButton->setObjectName(QStringLiteral("ConnectButton"));
    DisconnectButton = new QPushButton(this);
    DisconnectButton->setObjectName(QStringLiteral("DisconnectButton"));
    CloseButton = new QPushButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));

    auto* grid = new QGridLayout;
    grid->addWidget(HostLabel, 0, 0);
    grid->addWidget(HostEdit, 0, 1);
    grid->addWidget(PortLabel, 1, 0);
    grid->addWidget(PortEdit, 1, 1);
    grid->addWidget(DeviceLabel, 2, 0);
    grid->addWidget(DeviceBox, 2, 1);
    grid->addWidget(LimitLabel, 3, 0);
    grid->addWidget(LimitEdit, 3, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ConnectButton);
    buttons->addWidget(DisconnectButton);
    buttons->addStretch(1);
    buttons->addWidget(CloseButton);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(grid);
    rows->addWidget(ConnectAtStart);
    rows->addWidget(CloseUpFollows);
    rows->addWidget(StateLabel);
    rows->addWidget(NoteLabel);
    rows->addLayout(buttons);
    resize(360, 0);

    connect(ConnectButton, &QPushButton::clicked, this, [this] {
        if (OnConnect) OnConnect();
    });
    connect(DisconnectButton, &QPushButton::clicked, this, [this] {
        if (OnDisconnect) OnDisconnect();
    });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    const auto changed = [this] {
        if (OnChanged) OnChanged();
    };
    connect(HostEdit, &QLineEdit::editingFinished, this, changed);
    connect(PortEdit, &QSpinBox::valueChanged, this, changed);
    connect(DeviceBox, &QComboBox::currentTextChanged, this, changed);
    connect(LimitEdit, &QDoubleSpinBox::valueChanged, this, changed);
    connect(ConnectAtStart, &QCheckBox::toggled, this, changed);
    connect(CloseUpFollows, &QCheckBox::toggled, this, changed);
    state_ = TelescopeCaptions().States[0].Text();
    ShowScript();
    ShowState(state_, {}, false);
}

void TTelescopeDlg::ShowScript() {
    ShowWindowScript(this, "TTelescopeDlg");
    setLayoutDirection(CurrentScript() == Script::Runic ? Qt::RightToLeft : Qt::LeftToRight);
    const TelescopeTexts& c = TelescopeCaptions();
    ShowCaption(HostLabel, c.Host.Text());
    ShowCaption(PortLabel, c.Port.Text());
    ShowCaption(DeviceLabel, c.Device.Text());
    ShowCaption(LimitLabel, c.AltitudeLimit.Text());
    ShowCaption(ConnectAtStart, c.ConnectAtStart.Text());
    ShowCaption(CloseUpFollows, c.CloseUpFollows.Text());
    ShowCaption(ConnectButton, c.Connect.Text());
    ShowCaption(DisconnectButton, c.Disconnect.Text());
    ShowCaption(CloseButton, c.Close.Text());
    ShowCaption(StateLabel, state_);
}

void TTelescopeDlg::ShowSettings(const TelescopeSettings& s) {
    // Filling the fields is no change of the user's.
    const QSignalBlocker b1(HostEdit), b2(PortEdit), b3(DeviceBox), b4(LimitEdit), b5(ConnectAtStart),
        b6(CloseUpFollows);
    HostEdit->setText(QString::fromStdString(s.Host));
    PortEdit->setValue(s.Port);
    DeviceBox->setEditText(QString::fromStdString(s.Device));
    LimitEdit->setValue(s.AltitudeLimit);
    ConnectAtStart->setChecked(s.ConnectAtStart);
    CloseUpFollows->setChecked(s.CloseUpFollows);
}

TelescopeSettings TTelescopeDlg::Settings() const {
    TelescopeSettings s;
    const std::string host = HostEdit->text().trimmed().toStdString();
    if (!host.empty()) s.Host = host;
    s.Port = PortEdit->value();
    s.Device = DeviceBox->currentText().trimmed().toStdString();
    s.AltitudeLimit = LimitEdit->value();
    s.ConnectAtStart = ConnectAtStart->isChecked();
    s.CloseUpFollows = CloseUpFollows->isChecked();
    s.Present = true;
    return s;
}

void TTelescopeDlg::ShowDevices(const std::vector<std::string>& mounts,
                                const std::vector<std::string>& others, const std::string& followed) {
    const QSignalBlocker block(DeviceBox);
    const QString typed = DeviceBox->currentText();
    DeviceBox->clear();
    for (const auto* list : {&mounts, &others})
        for (const std::string& device : *list)
            if (DeviceBox->findText(QString::fromStdString(device)) < 0)
                DeviceBox->addItem(QString::fromStdString(device));
    DeviceBox->setEditText(typed.trimmed().isEmpty() ? QString::fromStdString(followed) : typed);
}

void TTelescopeDlg::ShowState(const RunicText& state, const QString& notice, bool connected) {
    state_ = state;
    ShowCaption(StateLabel, state_);
    NoteLabel->setText(notice);
    ConnectButton->setEnabled(true);
    DisconnectButton->setEnabled(connected);
}

}  // namespace kolvar
