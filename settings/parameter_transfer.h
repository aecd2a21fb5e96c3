#pragma once
// One parameter of the map through the matching transaction.

#include <cstdint>

#include "link/device_link.h"
#include "settings/parameter_map.h"

namespace zorkan {

LinkError ReadParameter(DeviceLink& link, ParameterRef parameter, std::int32_t& destination);
LinkError ReadParameter(DeviceLink& link, ParameterRef parameter, float& destination);
// Without read-back; a value above 255 goes out as 255.
LinkError WriteParameter(DeviceLink& link, ParameterRef parameter, std::int32_t value);
LinkError WriteParameterVerified(DeviceLink& link, ParameterRef parameter, std::int32_t value);
LinkError WriteParameterVerified(DeviceLink& link, ParameterRef parameter, float value);

}  // namespace zorkan
