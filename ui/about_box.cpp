#include "ui/about_box.h"

#include <QMessageBox>
#include <QString>
#include <QtGlobal>

namespace zorkan {

void ShowAboutBox(QWidget* parent, const std::filesystem::path& workDir) {
  const QString folder = QString::fromStdString(workDir.string()).toHtmlEscaped();
  QMessageBox::about(
      parent, "О программе",
      QString("<p><b>Настройка ЗОРКАН 74X</b>, версия %1</p>"
              "<p>Библиотека Qt %2</p>"
              "<p>Рабочая папка: %3<br>"
              "В ней dev.dat, профили, журнал настроек, протоколы обмена и измерений.</p>")
          .arg(ZORKAN_VERSION, qVersion(), folder));
}

}  // namespace zorkan
