#pragma once
// For a dialog built from a form and code rather than a class of its own: its texts made anew in
// the language just chosen.

#include <functional>

class QWidget;

namespace zorkan {

// Calls `retranslate` after every QEvent::LanguageChange `widget` receives, once the event loop
// runs again, for as long as the widget lives.
void OnLanguageChange(QWidget& widget, std::function<void()> retranslate);

}  // namespace zorkan
