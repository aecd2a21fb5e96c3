#include "ui/window_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zorkan {

namespace {

// Where the build embeds the window's translation (qt_add_translations in ui/CMakeLists.txt).
constexpr const char* kEnglishTranslation = ":/i18n/zorkan_en.qm";

}  // namespace

std::string_view LanguageCode(Language language) {
  return language == Language::English ? "en" : "ru";
}

Language LanguageOfCode(std::string_view code) {
  return code == "en" ? Language::English : Language::Russian;
}

void WindowLanguage::install(Language language) {
  QCoreApplication::removeTranslator(&window_);
  QCoreApplication::removeTranslator(&qt_);
  const bool english = language == Language::English;
  if (english && window_.load(kEnglishTranslation)) QCoreApplication::installTranslator(&window_);
  if (qt_.load(QLocale(english ? QLocale::English : QLocale::Russian), "qtbase", "_",
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
  language_ = language;
  // The windows hear of it through posted events: taken at once, they show the new captions
  // before anything else happens.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace zorkan
