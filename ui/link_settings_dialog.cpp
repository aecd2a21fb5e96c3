#include "ui/link_settings_dialog.h"

#include <QCoreApplication>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "link/port_path.h"
#include "link/port_timing.h"
#include "ui/language_change.h"
#include "ui_link_settings_dialog.h"

namespace zorkan {

namespace {

class LinkSettingsForm {
 public:
  LinkSettingsForm(QWidget* parent, const LinkSettings& current, std::filesystem::path workDir)
      : dialog_(parent), workDir_(std::move(workDir)) {
    form_.setupUi(&dialog_);
    for (int port = kFirstPortNumber; port <= kLastPortNumber; ++port) {
      form_.PortNumber->addItem(QString::number(port), port);
    }
    for (const PortTiming& timing : PortTimings()) {
      form_.BaudRate->addItem(QString::number(timing.baudRate), timing.baudRate);
    }
    form_.NetworkAddress->setRange(0, static_cast<int>(kMaxNetworkAddress));
    form_.Attempts->setRange(kMinReadings, kMaxReadings);
    form_.ReplyTimeout->setRange(0, kMaxReplyTimeoutSeconds);

    form_.PortNumber->setCurrentIndex(form_.PortNumber->findData(current.portNumber));
    form_.BaudRate->setCurrentIndex(form_.BaudRate->findData(current.baudRate));
    form_.NetworkAddress->setValue(
        static_cast<int>(std::min(current.networkAddress, kMaxNetworkAddress)));
    form_.Attempts->setValue(current.readings);
    form_.ReplyTimeout->setValue(current.timeOutSeconds);
    QObject::connect(form_.PortNumber, &QComboBox::currentIndexChanged, &dialog_,
                     [this] { showPort(); });
    showPort();
    OnLanguageChange(dialog_, [this] {
      form_.retranslateUi(&dialog_);
      showPort();
    });
  }

  QDialog& dialog() { return dialog_; }

  LinkSettings chosen(LinkSettings settings) const {
    settings.portNumber = form_.PortNumber->currentData().toInt();
    settings.baudRate = form_.BaudRate->currentData().toUInt();
    settings.settingsText = SettingsTextWithBaudRate(settings.settingsText, settings.baudRate);
    settings.networkAddress = static_cast<std::uint32_t>(form_.NetworkAddress->value());
    settings.readings = form_.Attempts->value();
    settings.timeOutSeconds = form_.ReplyTimeout->value();
    settings.replyTimeoutMs = ReplyTimeoutMs(settings.timeOutSeconds);
    return settings;
  }

 private:
  // Which device the port number opens, and OK only once there is a port number to open.
  void showPort() {
    const int port = form_.PortNumber->currentData().toInt();
    const bool chosen = IsPortNumber(port);
    form_.PortDevice->setText(
        chosen ? QString::fromStdString(PortPath(port, workDir_).string())
               : QCoreApplication::translate("zorkan::LinkSettingsDialog", "порт не выбран"));
    form_.Buttons->button(QDialogButtonBox::Ok)->setEnabled(chosen);
  }

  QDialog dialog_;
  Ui::LinkSettingsDialog form_;
  const std::filesystem::path workDir_;
};

}  // namespace

std::optional<LinkSettings> AskLinkSettings(QWidget* parent, const LinkSettings& current,
                                            const std::filesystem::path& workDir) {
  LinkSettingsForm form(parent, current, workDir);
  if (form.dialog().exec() != QDialog::Accepted) return std::nullopt;
  return form.chosen(current);
}

}  // namespace zorkan
