#pragma once
// Decodes the text of one request frame, the part between ':' and the carriage return.

#include <cstdint>
#include <optional>
#include <string_view>

#include "link/frame.h"

namespace zorkan::sim {

struct Request {
  bool write = false;
  std::optional<ValueKind> kind;  // none: an address no parameter can have
  int space = 2;
  unsigned number = 0;
  std::uint32_t data = 0;  // writes of bytes and floats: the value's bits
};

enum class RequestProblem { None, BadChecksum, Unparsable };

struct ParsedRequest {
  // Known whenever the first field is a number, so that frames for other instruments on the
  // shared line can be ignored even when they are damaged.
  std::optional<std::uint32_t> networkAddress;
  RequestProblem problem = RequestProblem::Unparsable;
  Request request;
};

ParsedRequest ParseRequest(std::string_view text);

}  // namespace zorkan::sim
