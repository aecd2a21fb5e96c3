#pragma once
// zorkan-cli's commands, a row each: its words, its help, its arguments and options, its parser
// and its runner. The help, the check of a command line and the dispatch all walk these rows.

#include <cstddef>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/command_line.h"

namespace zorkan::cli {

class Session;

// An optional value is the next word unless that is an option: it suits a command without
// arguments only.
enum class OptionKind { Flag, Value, OptionalValue };

struct Option {
  std::string_view name;
  OptionKind kind;
};

// A command line in its parts; what a parser gets holds no words of the command's own.
struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;  // options with a value, the last one given
  std::set<std::string> flags;                // options without one, and each optional value's
  bool everyBaudRate = false;                 // --baud all, for a command that takes it
};

struct CommandHandlers {
  std::variant<Command, UsageError> (*parse)(const Arguments& arguments);
  int (*run)(const Command& command, Session& session);
};

// The parser and the runner of one kind of command, bound together so that they cannot disagree
// about which kind it is.
template <typename Parsed, std::variant<Parsed, UsageError> (*parse)(const Arguments&),
          int (*run)(const Parsed&, Session&)>
constexpr CommandHandlers HandlersOf() {
  return {[](const Arguments& arguments) -> std::variant<Command, UsageError> {
            auto parsed = parse(arguments);
            if (auto* error = std::get_if<UsageError>(&parsed)) return std::move(*error);
            return Command{std::get<Parsed>(std::move(parsed))};
          },
          [](const Command& command, Session& session) {
            return run(std::get<Parsed>(command), session);
          }};
}

struct CommandRow {
  std::string_view name;
  std::string_view subcommand{};   // a second word, such as journal's diff; empty for most
  std::string_view synopsis;       // its lines under "Commands:" of zorkan-cli --help
  std::string_view help;           // zorkan-cli NAME --help, before the link options
  std::size_t leastArguments = 0;  // after its words
  std::size_t mostArguments = 0;
  std::string_view wrongCount{};  // the refusal of another number, when not the common one
  std::vector<Option> options{};  // its own, besides the link options that every command takes
  // Takes --baud all: the search's every rate of the table, not a rate to open the port at.
  bool everyBaudRate = false;
  CommandHandlers handlers;

  std::size_t words() const { return subcommand.empty() ? 1 : 2; }
  bool takes(std::string_view option) const;
};

// In the order zorkan-cli --help lists them.
std::span<const CommandRow> Commands();
// The row whose words begin `positional`; null for an unknown command.
const CommandRow* FindCommand(const std::vector<std::string>& positional);

std::string ProgramHelp();
std::string CommandHelp(const CommandRow& row);

}  // namespace zorkan::cli
