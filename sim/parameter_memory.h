#pragma once
// The instrument's parameters in both spaces, each with the kind and direction the instrument
// gives it. Byte and float parameters may share a number: the kind is part of the address.

#include <compare>
#include <cstdint>
#include <map>
#include <optional>

#include "link/frame.h"
#include "sim/parameter_table.h"

namespace zorkan::sim {

struct ParameterKey {
  int space;
  ValueKind kind;
  unsigned number;
  auto operator<=>(const ParameterKey&) const = default;
};

struct ParameterCell {
  Access access;
  std::uint32_t bits;  // a byte value, or the bit pattern of a float
};

class ParameterMemory {
 public:
  ParameterMemory();  // holds the factory settings of a PID regulator

  ParameterCell* find(const ParameterKey& key);
  const ParameterCell* find(const ParameterKey& key) const;

  std::optional<std::uint8_t> byteValue(int space, unsigned number) const;
  std::optional<float> floatValue(int space, unsigned number) const;
  // Unknown parameters are left alone; the direction does not matter here.
  void setByte(int space, unsigned number, std::uint8_t value);
  void setFloat(int space, unsigned number, float value);

 private:
  std::map<ParameterKey, ParameterCell> cells_;
};

}  // namespace zorkan::sim
