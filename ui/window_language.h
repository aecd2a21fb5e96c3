#pragma once
// The language of the window: Russian, the instrument's own and the one its texts are written in,
// or English. Switching installs the translations, the window's and Qt's own for its standard
// buttons and dialogs, and every open window retranslates itself on the QEvent::LanguageChange
// that follows.

#include <QTranslator>
#include <string_view>

namespace zorkan {

enum class Language { Russian, English };

// The code the tool's settings file keeps a language under ("ru", "en"), and back: Russian for
// any code but "en".
std::string_view LanguageCode(Language language);
Language LanguageOfCode(std::string_view code);

class WindowLanguage {
 public:
  // Nothing installed yet: the texts are their Russian sources, Qt's own are its English.
  WindowLanguage() = default;
  WindowLanguage(const WindowLanguage&) = delete;
  WindowLanguage& operator=(const WindowLanguage&) = delete;

  // Installs `language`'s translations; the open windows have their new captions when it returns.
  void install(Language language);
  Language language() const { return language_; }

 private:
  QTranslator window_;
  QTranslator qt_;
  Language language_ = Language::Russian;
};

}  // namespace zorkan
