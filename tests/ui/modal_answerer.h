#pragma once
// Answers the modal boxes and file dialogs the window opens while a test drives it, and records
// every box it saw.

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zorkan::testing {

struct SeenBox {
  std::string caption;
  std::string text;
  QMessageBox::Icon icon;
  std::string detail;  // what the box shows beside its text
};

class ModalAnswerer {
 public:
  ModalAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
    timer_.start();
  }

  std::vector<SeenBox> boxes;
  // Yes/No boxes, in order; No when the script has run out.
  std::deque<QMessageBox::StandardButton> questions;
  // File dialogs, in order: the path typed, or "" to cancel.
  std::deque<std::string> files;
  // Class names of the other dialogs, which are closed at once unless `onDialog` handles them.
  std::vector<std::string> otherDialogs;
  std::function<void(QDialog&)> onDialog;

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                       box->informativeText().toStdString()});
      QMessageBox::StandardButton button = QMessageBox::Ok;
      if (box->button(QMessageBox::Yes) != nullptr) {
        button = QMessageBox::No;
        if (!questions.empty()) {
          button = questions.front();
          questions.pop_front();
        }
      }
      box->button(button)->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      const std::string path = files.empty() ? std::string() : files.front();
      if (!files.empty()) files.pop_front();
      if (path.empty()) {
        dialog->reject();
      } else {
        dialog->selectFile(QString::fromStdString(path));
        QMetaObject::invokeMethod(dialog, "accept");
      }
    } else if (auto* other = qobject_cast<QDialog*>(modal)) {
      otherDialogs.push_back(other->metaObject()->className());
      if (onDialog) {
        onDialog(*other);
      } else {
        other->reject();
      }
    }
  }

  QTimer timer_;
};

}  // namespace zorkan::testing
