#include "ui/help_window.h"

#include <QDialog>
#include <QFile>

#include "ui_help_window.h"

namespace zorkan {

void ShowHelp(QWidget* parent) {
  QDialog dialog(parent);
  Ui::HelpWindow form;
  form.setupUi(&dialog);
  QFile text(":/help/help.html");
  if (text.open(QIODevice::ReadOnly)) form.HelpText->setHtml(QString::fromUtf8(text.readAll()));
  dialog.exec();
}

}  // namespace zorkan
