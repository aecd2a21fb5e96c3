#pragma once

#include <QString>
#include <cstdint>

namespace zorkan {

// "только что", "12 с назад", "3 мин назад", "2 ч назад".
QString AgoText(std::int64_t ageMs);

}  // namespace zorkan
