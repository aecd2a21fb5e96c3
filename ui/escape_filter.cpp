#include "ui/escape_filter.h"

#include <QKeyEvent>

namespace zorkan {

// A focused widget may take Escape as a shortcut (ShortcutOverride) before it is a key press; both
// count, and the event goes on as usual: a pressed key is a request, not a command.
bool EscapeFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) latch_.press();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zorkan
