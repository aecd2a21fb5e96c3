#include "sim/instrument_line.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "sim/answer_collision.h"
#include "sim/parameter_table.h"

namespace zorkan::sim {

namespace {

constexpr std::uint32_t kUnpacedTimingBaud = 9600;

// Real instruments never answer in exact step: each one on the line turns round a little later
// than the one before it, about a quarter of a character, not a whole number of bits.
constexpr std::int64_t kTurnaroundSpreadTicks = 37;

std::uint32_t FactorySerialNumber() {
  return static_cast<std::uint32_t>(Parameters::kSerialLow.channel1) |
         static_cast<std::uint32_t>(Parameters::kSerialHigh.channel1) << 8;
}

std::int64_t TicksOf(std::chrono::milliseconds delay, std::uint32_t baudRate) {
  return delay.count() * static_cast<std::int64_t>(baudRate) * kTicksPerBit / 1000;
}

struct Answer {
  std::size_t position;  // on the line
  Reply reply;
};

Reply Overlapped(const std::vector<Answer>& answers, std::uint32_t baudRate) {
  const auto earliest =
      std::min_element(answers.begin(), answers.end(), [](const Answer& a, const Answer& b) {
        return a.reply.delay < b.reply.delay;
      })->reply.delay;
  std::vector<Transmission> transmissions;
  for (const Answer& answer : answers) {
    const auto spread = static_cast<std::int64_t>(answer.position) * kTurnaroundSpreadTicks;
    transmissions.push_back(
        {answer.reply.bytes, TicksOf(answer.reply.delay - earliest, baudRate) + spread});
  }
  // The receiver gets what it decoded back to back from the first start bit on, which differs
  // from the line's own timing only where answers lie apart.
  return {HeardOnSharedLine(transmissions), earliest};
}

}  // namespace

InstrumentLine::InstrumentLine(std::span<const std::uint32_t> networkAddresses,
                               const Instrument::Clock& clock, std::uint32_t baudRate,
                               const PlantOptions& plant)
    : baudRate_(baudRate != 0 ? baudRate : kUnpacedTimingBaud) {
  PlantOptions own = plant;
  for (const std::uint32_t address : networkAddresses) {
    auto& instrument = instruments_.emplace_back(std::make_unique<Instrument>(address, clock, own));
    ++own.seed;
    const std::uint32_t serial = FactorySerialNumber() + address - 1;
    instrument->setByteParameter(Parameters::kSerialLow.space, Parameters::kSerialLow.number,
                                 static_cast<std::uint8_t>(serial));
    instrument->setByteParameter(Parameters::kSerialHigh.space, Parameters::kSerialHigh.number,
                                 static_cast<std::uint8_t>(serial >> 8));
  }
}

std::optional<Reply> InstrumentLine::handle(std::string_view text) {
  std::vector<Answer> answers;
  for (std::size_t position = 0; position < instruments_.size(); ++position) {
    if (auto reply = instruments_[position]->handle(text)) {
      answers.push_back({position, std::move(*reply)});
    }
  }
  if (answers.empty()) return std::nullopt;
  if (answers.size() == 1) return std::move(answers.front().reply);
  return Overlapped(answers, baudRate_);
}

void InstrumentLine::idle() {
  for (const auto& instrument : instruments_) instrument->idle();
}

void InstrumentLine::addFault(const Fault& fault) {
  for (const auto& instrument : instruments_) {
    if (!fault.networkAddress || *fault.networkAddress == instrument->networkAddress()) {
      instrument->addFault(fault);
    }
  }
}

void InstrumentLine::clearFaults() {
  for (const auto& instrument : instruments_) instrument->clearFaults();
}

Instrument* InstrumentLine::find(std::uint32_t networkAddress) const {
  const auto found = std::find_if(instruments_.begin(), instruments_.end(), [&](const auto& one) {
    return one->networkAddress() == networkAddress;
  });
  return found == instruments_.end() ? nullptr : found->get();
}

}  // namespace zorkan::sim
