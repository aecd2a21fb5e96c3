#include "cli/command_line.h"

#include <optional>
#include <utility>

#include "cli/command_table.h"
#include "cli/link_options.h"

namespace zorkan::cli {

namespace {

constexpr std::string_view kVersion = "zorkan-cli " ZORKAN_VERSION "\n";

// No command's own: they are about the program, or about a command rather than a run of it.
constexpr const char* kHelpOption = "--help";
constexpr const char* kVersionOption = "--version";

// One name may be a flag of one command and take a value in another (set --verify, tune --verify
// STEP): the command given, once its words have come, decides.
std::optional<OptionKind> KindOf(std::string_view option, const CommandRow* given) {
  if (option == kHelpOption || option == kVersionOption) return OptionKind::Flag;
  if (IsLinkOption(option)) return OptionKind::Value;
  if (given != nullptr) {
    for (const Option& own : given->options) {
      if (own.name == option) return own.kind;
    }
  }
  for (const CommandRow& row : Commands()) {
    for (const Option& own : row.options) {
      if (own.name == option) return own.kind;
    }
  }
  return std::nullopt;
}

// The options of every command are known whichever command is given, so that one of another
// command is refused as not applying rather than taken for an argument.
std::variant<Arguments, UsageError> Split(const std::vector<std::string>& words) {
  Arguments arguments;
  for (std::size_t k = 0; k < words.size(); ++k) {
    const std::string word = words[k] == "-h" ? kHelpOption : words[k];  // as most programs have it
    const std::optional<OptionKind> kind = KindOf(word, FindCommand(arguments.positional));
    if (kind == OptionKind::Flag) {
      arguments.flags.insert(word);
    } else if (kind == OptionKind::OptionalValue) {
      arguments.flags.insert(word);
      if (k + 1 < words.size() && !words[k + 1].starts_with('-'))
        arguments.values[word] = words[++k];
    } else if (kind == OptionKind::Value) {
      if (k + 1 == words.size()) return UsageError{word + " needs a value"};
      arguments.values[word] = words[++k];
    } else if (word.starts_with("--")) {
      return UsageError{"unknown option " + word};
    } else {
      arguments.positional.push_back(word);
    }
  }
  return arguments;
}

// Not a rate to open the port at, which the link options would refuse: the search's every rate
// of the table.
void TakeEveryBaudRate(Arguments& arguments) {
  const auto baud = arguments.values.find("--baud");
  if (baud == arguments.values.end() || baud->second != "all") return;
  arguments.everyBaudRate = true;
  arguments.values.erase(baud);
}

// The number of arguments, and every option given either a link option or one of the row's.
std::optional<UsageError> CheckFits(const CommandRow& row, const Arguments& arguments) {
  const std::size_t count = arguments.positional.size() - row.words();
  if (count < row.leastArguments || count > row.mostArguments) {
    if (!row.wrongCount.empty()) return UsageError{std::string(row.wrongCount)};
    return UsageError{"wrong number of arguments for " + std::string(row.name)};
  }
  const std::string doesNotApply = " does not apply to " + std::string(row.name);
  for (const std::string& flag : arguments.flags) {
    if (!row.takes(flag)) return UsageError{flag + doesNotApply};
  }
  for (const auto& [option, value] : arguments.values) {
    if (!IsLinkOption(option) && !row.takes(option)) return UsageError{option + doesNotApply};
  }
  return std::nullopt;
}

}  // namespace

std::variant<CommandLine, Printout, UsageError> ParseCommandLine(
    const std::vector<std::string>& words) {
  auto split = Split(words);
  if (auto* error = std::get_if<UsageError>(&split)) return std::move(*error);
  Arguments& arguments = std::get<Arguments>(split);
  const CommandRow* row = FindCommand(arguments.positional);
  if (arguments.flags.contains(kHelpOption)) {
    if (arguments.positional.empty()) return Printout{ProgramHelp()};
    if (row == nullptr) return UsageError{"unknown command " + arguments.positional[0]};
    return Printout{CommandHelp(*row)};
  }
  if (arguments.flags.contains(kVersionOption)) return Printout{std::string(kVersion)};
  if (arguments.positional.empty()) return UsageError{"no command given; see zorkan-cli --help"};
  if (row != nullptr && row->everyBaudRate) TakeEveryBaudRate(arguments);
  LinkOptions link;
  if (auto error = ParseLinkOptions(arguments.values, link)) return *error;
  if (row == nullptr) return UsageError{"unknown command " + arguments.positional[0]};
  if (auto error = CheckFits(*row, arguments)) return *error;
  arguments.positional.erase(arguments.positional.begin(),
                             arguments.positional.begin() + row->words());
  auto command = row->handlers.parse(arguments);
  if (auto* error = std::get_if<UsageError>(&command)) return std::move(*error);
  return CommandLine{std::move(std::get<Command>(command)), std::move(link), row};
}

}  // namespace zorkan::cli
