#pragma once
// A transfer sequence as a table of steps, walked by one loop: each step shows its text, exchanges
// its parameters in order and, where the table says so, tests for an Escape press afterwards.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "operator/progress.h"
#include "settings/parameter_transfer.h"

namespace zorkan {

// A parameter read into a field of the model.
struct ReadItem {
  ParameterRef parameter;
  std::variant<std::int32_t*, float*> field;
};

// A value written and read back.
struct VerifiedWriteItem {
  ParameterRef parameter;
  std::variant<std::int32_t, float> value;
};

// A byte written without read-back.
struct WriteItem {
  ParameterRef parameter;
  std::int32_t value;
};

template <typename Item>
struct TransferStep {
  std::string_view text;
  std::vector<Item> items;
  bool cancelTestAfter = false;
};

LinkError Exchange(DeviceLink& link, const ReadItem& item);
LinkError Exchange(DeviceLink& link, const VerifiedWriteItem& item);
LinkError Exchange(DeviceLink& link, const WriteItem& item);

// Hides the panel and hands the code on: how every sequence stops.
inline LinkError StopSequence(Progress& progress, LinkError code) {
  progress.HideProgress();
  return code;
}

// Items exchanged one after the other with no step of their own; the first failure is returned.
template <typename Item>
LinkError ExchangeAll(DeviceLink& link, const std::vector<Item>& items) {
  for (const Item& item : items) {
    if (const LinkError result = Exchange(link, item); result != kOk) return result;
  }
  return kOk;
}

// kOk, the first failure's code, or kCancelledByOperator; the panel is hidden on every stop.
template <typename Item>
LinkError RunSteps(DeviceLink& link, Progress& progress,
                   const std::vector<TransferStep<Item>>& steps) {
  for (const TransferStep<Item>& step : steps) {
    progress.SetProgressStep(std::string(step.text));
    if (const LinkError result = ExchangeAll(link, step.items); result != kOk) {
      return StopSequence(progress, result);
    }
    if (step.cancelTestAfter && progress.CancelRequested()) {
      return StopSequence(progress, kCancelledByOperator);
    }
  }
  return kOk;
}

// A group of byte parameters exchanged under one heading, without steps of its own and without
// cancellation tests. A failure leaves the panel for the whole-device sequence to hide.
struct ByteBinding {
  ParameterRef parameter;
  std::int32_t* field;
};
LinkError ReadByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                        const std::vector<ByteBinding>& bytes);
LinkError WriteByteGroup(DeviceLink& link, Progress& progress, const char* heading,
                         const std::vector<ByteBinding>& bytes);

}  // namespace zorkan
