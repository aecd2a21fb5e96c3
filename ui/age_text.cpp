#include "ui/age_text.h"

#include <QCoreApplication>

namespace zorkan {

QString AgoText(std::int64_t ageMs) {
  const std::int64_t seconds = ageMs / 1000;
  if (seconds < 1) return QCoreApplication::translate("zorkan::AgoText", "только что");
  if (seconds < 60) {
    return QCoreApplication::translate("zorkan::AgoText", "%1 с назад").arg(seconds);
  }
  if (seconds < 3600) {
    return QCoreApplication::translate("zorkan::AgoText", "%1 мин назад").arg(seconds / 60);
  }
  return QCoreApplication::translate("zorkan::AgoText", "%1 ч назад").arg(seconds / 3600);
}

}  // namespace zorkan
