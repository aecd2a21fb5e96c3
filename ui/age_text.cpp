#include "ui/age_text.h"

namespace zorkan {

QString AgoText(std::int64_t ageMs) {
  const std::int64_t seconds = ageMs / 1000;
  if (seconds < 1) return "только что";
  if (seconds < 60) return QString::number(seconds) + " с назад";
  if (seconds < 3600) return QString::number(seconds / 60) + " мин назад";
  return QString::number(seconds / 3600) + " ч назад";
}

}  // namespace zorkan
