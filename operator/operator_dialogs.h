#pragma once
// The operator-dialog seam: modal message boxes with a caption, an icon and OK or Yes/No.

#include <string>

namespace zorkan {

enum class DialogIcon { Error, Warning, Information };
enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };

struct DialogMessage {
  std::string caption;
  std::string text;
  DialogIcon icon = DialogIcon::Error;
  DialogButtons buttons = DialogButtons::Ok;
  // Shown beside the text, which stays as it is: what the operator needs to act on it.
  std::string detail = {};
};

class OperatorDialogs {
 public:
  virtual ~OperatorDialogs() = default;
  // Blocks until the operator closes the box.
  virtual DialogAnswer ask(const DialogMessage& message) = 0;
  // Makes the main window visible, brings it to the front and repaints it at once.
  virtual void bringMainWindowForward() = 0;
};

inline void ShowMessage(OperatorDialogs& dialogs, std::string caption, std::string text,
                        DialogIcon icon) {
  dialogs.ask({std::move(caption), std::move(text), icon, DialogButtons::Ok});
}

}  // namespace zorkan
