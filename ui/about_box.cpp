#include "ui/about_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QtGlobal>

namespace zorkan {

void ShowAboutBox(QWidget* parent, const std::filesystem::path& workDir) {
  const QString folder = QString::fromStdString(workDir.string()).toHtmlEscaped();
  QMessageBox::about(
      parent, QCoreApplication::translate("zorkan::AboutBox", "О программе"),
      QCoreApplication::translate(
          "zorkan::AboutBox",
          "<p><b>Настройка ЗОРКАН 74X</b>, версия %1</p>"
          "<p>Библиотека Qt %2</p>"
          "<p>Рабочая папка: %3<br>"
          "В ней dev.dat, профили, журнал настроек, протоколы обмена и измерений.</p>")
          .arg(ZORKAN_VERSION, qVersion(), folder));
}

}  // namespace zorkan
