#include "settings/transfer_steps.h"

namespace zorkan {

LinkError Exchange(DeviceLink& link, const ReadItem& item) {
  return std::visit([&](auto* field) { return ReadParameter(link, item.parameter, *field); },
                    item.field);
}

LinkError Exchange(DeviceLink& link, const VerifiedWriteItem& item) {
  return std::visit([&](auto value) { return WriteParameterVerified(link, item.parameter, value); },
                    item.value);
}

LinkError Exchange(DeviceLink& link, const WriteItem& item) {
  return WriteParameter(link, item.parameter, item.value);
}

namespace {

void ShowHeading(Progress& progress, const char* heading) {
  progress.SetProgressLines({"", heading, "", "", "", ""});
  progress.ShowProgress();
}

}  // namespace

LinkError ReadByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                        const std::vector<ByteBinding>& bytes) {
  ShowHeading(progress, heading);
  for (const ByteBinding& binding : bytes) {
    if (const LinkError result = ReadParameter(link, binding.parameter, *binding.field);
        result != kOk) {
      return result;
    }
  }
  return StopSequence(progress, kOk);
}

LinkError WriteByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                         const std::vector<ByteBinding>& bytes) {
  ShowHeading(progress, heading);
  for (const ByteBinding& binding : bytes) {
    if (const LinkError result = WriteParameter(link, binding.parameter, *binding.field);
        result != kOk) {
      return result;
    }
  }
  return StopSequence(progress, kOk);
}

}  // namespace zorkan
