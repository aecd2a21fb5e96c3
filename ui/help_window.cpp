#include "ui/help_window.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>

#include "ui/language_change.h"
#include "ui_help_window.h"

namespace zorkan {

void ShowHelp(QWidget* parent) {
  QDialog dialog(parent);
  Ui::HelpWindow form;
  form.setupUi(&dialog);
  const auto showText = [&form] {
    // Each language has a page of its own: the translation names it.
    QFile text(QCoreApplication::translate("zorkan::HelpWindow", ":/help/help.html"));
    if (text.open(QIODevice::ReadOnly)) form.HelpText->setHtml(QString::fromUtf8(text.readAll()));
  };
  showText();
  OnLanguageChange(dialog, [&dialog, &form, showText] {
    form.retranslateUi(&dialog);
    showText();
  });
  dialog.exec();
}

}  // namespace zorkan
