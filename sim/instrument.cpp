#include "sim/instrument.h"

#include <span>
#include <utility>

#include "sim/answer_text.h"
#include "sim/plant_settings.h"

namespace zorkan::sim {

namespace {

constexpr unsigned kLiveBlockNumber = 2;

// Printable junk that cannot be taken for the start, a separator or the end of an answer.
constexpr std::string_view kJunkAlphabet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz #%&*+-./:<=>?@[]_";

std::uint32_t Altered(ValueKind kind, std::uint32_t bits, float floatShift) {
  if (kind == ValueKind::Float) return FloatToBits(FloatFromBits(bits) + floatShift);
  return (bits + 1) & 0xFF;
}

std::string ValueAnswer(std::uint32_t networkAddress, ValueKind kind, std::uint32_t bits) {
  if (kind == ValueKind::Byte) {
    const std::uint8_t byte = static_cast<std::uint8_t>(bits);
    return DataAnswer(networkAddress, std::span(&byte, 1));
  }
  return DataAnswer(networkAddress, FloatBitsToWire(bits));
}

}  // namespace

Instrument::Instrument(std::uint32_t networkAddress, Clock clock, const PlantOptions& plant)
    : networkAddress_(networkAddress), clock_(std::move(clock)), start_(clock_()), plant_(plant) {}

std::optional<Reply> Instrument::handle(std::string_view text) {
  const ParsedRequest parsed = ParseRequest(text);
  std::lock_guard lock(mutex_);
  advancePlant();
  // The line is shared: frames for other instruments are none of our business.
  if (parsed.networkAddress && *parsed.networkAddress != networkAddress_) return std::nullopt;

  std::optional<RequestTarget> target;
  if (parsed.problem == RequestProblem::None) {
    target = RequestTarget{parsed.request.space, parsed.request.number};
  }
  const FaultEffects effects = faults_.apply(target, parsed.request.write);
  // A silenced request is one lost on the line: it has no effect either.
  if (effects.silent) return std::nullopt;

  Reply reply;
  reply.delay = effects.delay;
  reply.bytes = junk(effects.noiseBefore);
  reply.bytes += effects.status ? StatusAnswer(*effects.status) : execute(parsed, effects);
  reply.bytes += junk(effects.noiseAfter);
  return reply;
}

void Instrument::idle() {
  std::lock_guard lock(mutex_);
  advancePlant();
}

void Instrument::advancePlant() {
  plant_.advanceTo(clock_() - start_, ReadPlantSettings(memory_));
}

std::string Instrument::execute(const ParsedRequest& parsed, const FaultEffects& effects) {
  if (parsed.problem == RequestProblem::BadChecksum) return StatusAnswer(kStatusBadChecksum);
  if (parsed.problem == RequestProblem::Unparsable) return StatusAnswer(kStatusUnparsable);
  const Request& request = parsed.request;
  if (!request.kind) return StatusAnswer(kStatusUnknownParameter);

  if (*request.kind == ValueKind::DataBlock) {
    if (request.write || request.space != 1 || request.number != kLiveBlockNumber) {
      return StatusAnswer(kStatusUnknownParameter);
    }
    const LiveBlock block = liveOverride_ ? *liveOverride_ : EncodeLiveBlock(plant_.reading());
    return DataAnswer(networkAddress_, block);
  }

  ParameterCell* cell = memory_.find({request.space, *request.kind, request.number});
  if (cell == nullptr) return StatusAnswer(kStatusUnknownParameter);
  if (request.write) {
    if (cell->access == Access::ReadOnly) return StatusAnswer(kStatusUnknownParameter);
    cell->bits = effects.alterReadBack ? Altered(*request.kind, request.data, effects.floatShift)
                                       : request.data;
    return StatusAnswer(kStatusAccepted);
  }
  if (cell->access == Access::WriteOnly) return StatusAnswer(kStatusUnknownParameter);
  return ValueAnswer(networkAddress_, *request.kind, cell->bits);
}

std::string Instrument::junk(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    bytes += kJunkAlphabet[(junkCounter_ * 7 + 3) % kJunkAlphabet.size()];
    ++junkCounter_;
  }
  return bytes;
}

void Instrument::addFault(const Fault& fault) {
  std::lock_guard lock(mutex_);
  faults_.add(fault);
}

void Instrument::clearFaults() {
  std::lock_guard lock(mutex_);
  faults_.clear();
}

std::optional<std::uint8_t> Instrument::byteParameter(int space, unsigned number) const {
  std::lock_guard lock(mutex_);
  return memory_.byteValue(space, number);
}

std::optional<float> Instrument::floatParameter(int space, unsigned number) const {
  std::lock_guard lock(mutex_);
  return memory_.floatValue(space, number);
}

void Instrument::setByteParameter(int space, unsigned number, std::uint8_t value) {
  std::lock_guard lock(mutex_);
  advancePlant();  // the old value governed the plant until now
  memory_.setByte(space, number, value);
}

void Instrument::setFloatParameter(int space, unsigned number, float value) {
  std::lock_guard lock(mutex_);
  advancePlant();
  memory_.setFloat(space, number, value);
}

void Instrument::overrideLiveBlock(std::optional<LiveBlock> block) {
  std::lock_guard lock(mutex_);
  liveOverride_ = block;
}

}  // namespace zorkan::sim
