#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "appcore/telescope_settings.h"
#include "texts/runic_captions.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kolvar {

// The telescope dialog: the telescope server's host and port, the mount
// (offered from the devices the server lists, or typed), connect and
// disconnect, and the options kept with them (connect at start, the lowest
// altitude of a slew, the close-up following the mount). Not modal: it
// shows the mount's state and the last notice as they change, and the chart
// takes clicks and keys while it is open. Captions in runes laid out right
// to left, or in Latin letters left to right; the fields hold Latin text.
class TTelescopeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTelescopeDlg(QWidget* parent = nullptr);

    void ShowScript();
    void ShowSettings(const TelescopeSettings& settings);
    // The fields as settings (Present set); an empty host reads as localhost.
    TelescopeSettings Settings() const;
    // The devices the server lists, mounts first; the typed device stays,
    // and an empty one shows the mount followed.
    void ShowDevices(const std::vector<std::string>& mounts, const std::vector<std::string>& others,
                     const std::string& followed);
    // The mount's state (a caption) and the last notice (UTF-8), and whether
    // the link is up: Connect and Disconnect follow it.
    void ShowState(const RunicText& state, const QString& notice, bool connected);

    std::function<void()> OnConnect;
    std::function<void()> OnDisconnect;
    // A field or option changed (the settings are read back at once).
    std::function<void()> OnChanged;

    QLabel *HostLabel = nullptr, *PortLabel = nullptr, *DeviceLabel = nullptr, *LimitLabel = nullptr;
    QLineEdit* HostEdit = nullptr;
    QSpinBox* PortEdit = nullptr;
    QComboBox* DeviceBox = nullptr;
    QDoubleSpinBox* LimitEdit = nullptr;
    QCheckBox* ConnectAtStart = nullptr;
    QCheckBox* CloseUpFollows = nullptr;
    QPushButton* ConnectButton = nullptr;
    QPushButton* DisconnectButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLabel* StateLabel = nullptr;
    QLabel* NoteLabel = nullptr;

private:
    RunicText state_;
};

}  // namespace kolvar
