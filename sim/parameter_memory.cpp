#include "sim/parameter_memory.h"

#include "sim/parameter_table.h"

namespace zorkan::sim {

namespace {

std::uint32_t Bits(ValueKind kind, double value) {
  return kind == ValueKind::Float ? FloatToBits(static_cast<float>(value))
                                  : static_cast<std::uint32_t>(value);
}

}  // namespace

ParameterMemory::ParameterMemory() {
  for (const ParameterRow& row : Parameters::kAll) {
    cells_[{row.space, row.kind, row.number}] = {row.access, Bits(row.kind, row.channel1)};
    if (row.channelStep != 0) {
      cells_[{row.space, row.kind, row.number + row.channelStep}] = {row.access,
                                                                     Bits(row.kind, row.channel2)};
    }
  }
}

ParameterCell* ParameterMemory::find(const ParameterKey& key) {
  const auto found = cells_.find(key);
  return found == cells_.end() ? nullptr : &found->second;
}

const ParameterCell* ParameterMemory::find(const ParameterKey& key) const {
  const auto found = cells_.find(key);
  return found == cells_.end() ? nullptr : &found->second;
}

std::optional<std::uint8_t> ParameterMemory::byteValue(int space, unsigned number) const {
  const ParameterCell* cell = find({space, ValueKind::Byte, number});
  if (cell == nullptr) return std::nullopt;
  return static_cast<std::uint8_t>(cell->bits);
}

std::optional<float> ParameterMemory::floatValue(int space, unsigned number) const {
  const ParameterCell* cell = find({space, ValueKind::Float, number});
  if (cell == nullptr) return std::nullopt;
  return FloatFromBits(cell->bits);
}

void ParameterMemory::setByte(int space, unsigned number, std::uint8_t value) {
  if (ParameterCell* cell = find({space, ValueKind::Byte, number})) cell->bits = value;
}

void ParameterMemory::setFloat(int space, unsigned number, float value) {
  if (ParameterCell* cell = find({space, ValueKind::Float, number}))
    cell->bits = FloatToBits(value);
}

}  // namespace zorkan::sim
