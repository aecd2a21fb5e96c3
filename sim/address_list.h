#pragma once
// Network addresses of instruments that share a line, kept in place so that simulator options can
// be compile-time constants.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>

namespace zorkan::sim {

class AddressList {
 public:
  // With one more instrument besides, as many as one RS-485 segment of standard transceivers
  // drives.
  static constexpr std::size_t kCapacity = 31;

  constexpr AddressList() = default;
  // Throws std::length_error past the capacity.
  constexpr AddressList(std::initializer_list<std::uint32_t> addresses) {
    for (const std::uint32_t address : addresses) {
      if (!add(address)) throw std::length_error("too many addresses for one line");
    }
  }

  // False, and nothing added, when the list is full.
  constexpr bool add(std::uint32_t address) {
    if (size_ == kCapacity) return false;
    addresses_[size_++] = address;
    return true;
  }

  constexpr const std::uint32_t* begin() const { return addresses_.data(); }
  constexpr const std::uint32_t* end() const { return addresses_.data() + size_; }
  constexpr std::size_t size() const { return size_; }
  constexpr bool empty() const { return size_ == 0; }

 private:
  std::array<std::uint32_t, kCapacity> addresses_{};
  std::size_t size_ = 0;
};

}  // namespace zorkan::sim
