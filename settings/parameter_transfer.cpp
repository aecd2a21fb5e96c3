#include "settings/parameter_transfer.h"

namespace zorkan {

LinkError ReadParameter(DeviceLink& link, ParameterRef parameter, std::int32_t& destination) {
  return link.ReadByteParam(parameter.space, parameter.number, destination);
}

LinkError ReadParameter(DeviceLink& link, ParameterRef parameter, float& destination) {
  return link.ReadFloatParam(parameter.space, parameter.number, destination);
}

LinkError WriteParameter(DeviceLink& link, ParameterRef parameter, std::int32_t value) {
  return link.WriteByteParam(parameter.space, parameter.number, static_cast<std::uint32_t>(value));
}

LinkError WriteParameterVerified(DeviceLink& link, ParameterRef parameter, std::int32_t value) {
  return link.WriteByteParamVerified(parameter.space, parameter.number,
                                     static_cast<std::uint32_t>(value));
}

LinkError WriteParameterVerified(DeviceLink& link, ParameterRef parameter, float value) {
  return link.WriteFloatParamVerified(parameter.space, parameter.number, value);
}

}  // namespace zorkan
