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

// The panel shows the group's heading while its items go out; a failure leaves it shown.
template <typename Item>
LinkError RunByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                       const std::vector<Item>& items) {
  progress.SetProgressLines({"", heading, "", "", "", ""});
  progress.ShowProgress();
  if (const LinkError result = ExchangeAll(link, items); result != kOk) return result;
  return StopSequence(progress, kOk);
}

}  // namespace

LinkError ReadByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                        const std::vector<ByteBinding>& bytes) {
  std::vector<ReadItem> items;
  for (const ByteBinding& binding : bytes) items.push_back({binding.parameter, binding.field});
  return RunByteGroup(link, progress, heading, items);
}

LinkError WriteByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                         const std::vector<ByteBinding>& bytes) {
  std::vector<WriteItem> items;
  for (const ByteBinding& binding : bytes) items.push_back({binding.parameter, *binding.field});
  return RunByteGroup(link, progress, heading, items);
}

}  // namespace zorkan
