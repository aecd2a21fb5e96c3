// zorkan-cli's command table: the help, the check of a command line and the parsing follow every
// row, without a list of commands anywhere else to keep in step.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/command_table.h"
#include "cli/exit_status.h"
#include "publish/settable_settings.h"

namespace zorkan {
namespace {

using cli::CommandRow;

std::vector<std::string> WordsOf(const CommandRow& row) {
  std::vector<std::string> words{std::string(row.name)};
  if (!row.subcommand.empty()) words.emplace_back(row.subcommand);
  return words;
}

std::string Words(const CommandRow& row) {
  const std::vector<std::string> words = WordsOf(row);
  return words.size() == 1 ? words[0] : words[0] + " " + words[1];
}

std::string Printed(const std::vector<std::string>& arguments) {
  const auto parsed = cli::ParseCommandLine(arguments);
  const auto* printout = std::get_if<cli::Printout>(&parsed);
  return printout == nullptr ? "(not printed)" : printout->text;
}

TEST(CommandTable, HelpNamesEveryCommandAndFillsInEveryNumber) {
  const std::string program = Printed({"--help"});
  EXPECT_EQ(Printed({"-h"}), program);
  EXPECT_EQ(program.find('{'), std::string::npos) << program;
  EXPECT_NE(program.find(std::to_string(cli::kExitDiffers) + " when diff finds a difference"),
            std::string::npos)
      << program;
  for (const CommandRow& row : cli::Commands()) {
    EXPECT_NE(program.find(row.synopsis), std::string::npos) << Words(row);
    std::vector<std::string> asked = WordsOf(row);
    asked.push_back("--help");
    const std::string help = Printed(asked);
    asked.back() = "-h";
    EXPECT_EQ(Printed(asked), help) << Words(row);
    EXPECT_EQ(help.find('{'), std::string::npos) << help;
    EXPECT_EQ(help.rfind("Usage: zorkan-cli " + std::string(row.name), 0), 0u) << help;
    EXPECT_NE(help.find("--device PATH"), std::string::npos) << help;
  }
  const std::string publish = Printed({"publish", "--help"});
  for (const SettableSetting& setting : SettableSettings()) {
    EXPECT_NE(publish.find(setting.name), std::string::npos) << setting.name;
  }
}

// A command line each row takes as it stands, option values being "1" where given, or the one
// value below.
const std::map<std::string, std::vector<std::string>> kAcceptedArguments{
    {"read", {"a.prf"}},
    {"write", {"a.prf"}},
    {"get", {"2", "29", "float"}},
    {"set", {"2", "29", "float", "1.5"}},
    {"live", {}},
    {"scan", {}},
    {"diff", {"a.prf"}},
    {"publish", {"--broker", "localhost", "--allow-set", "zone"}},
    {"journal", {}},
    {"journal diff", {"1"}},
    {"tune", {"--setpoint", "0", "--max-temperature", "250", "--write"}},
};

const std::map<std::string, std::string> kOptionValues{{"--allow-set", "zone"}};

// Each option of any command, given to each command: taken by the rows that name it, with the
// kind that row gives it (set --verify is a flag, tune --verify takes a value), refused as not
// applying by every other, whatever command it belongs to.
TEST(CommandTable, EveryOptionIsTakenByTheCommandsThatNameItAndRefusedByTheOthers) {
  std::map<std::string, cli::OptionKind> kinds;
  for (const CommandRow& row : cli::Commands()) {
    for (const cli::Option& option : row.options) kinds.emplace(option.name, option.kind);
  }
  for (const CommandRow& row : cli::Commands()) {
    const auto accepted = kAcceptedArguments.find(Words(row));
    ASSERT_NE(accepted, kAcceptedArguments.end()) << "no command line for " << Words(row);
    for (auto [option, kind] : kinds) {
      const auto own = std::ranges::find(row.options, option, &cli::Option::name);
      if (own != row.options.end()) kind = own->kind;
      std::vector<std::string> arguments = WordsOf(row);
      arguments.insert(arguments.end(), accepted->second.begin(), accepted->second.end());
      arguments.push_back(option);
      if (kind == cli::OptionKind::Value) {
        const auto value = kOptionValues.find(option);
        arguments.push_back(value != kOptionValues.end() ? value->second : "1");
      }
      const auto parsed = cli::ParseCommandLine(arguments);
      const std::string line = ::testing::PrintToString(arguments);
      if (row.takes(option)) {
        const auto* commandLine = std::get_if<cli::CommandLine>(&parsed);
        ASSERT_NE(commandLine, nullptr)
            << line << ": " << std::get<cli::UsageError>(parsed).message;
        EXPECT_EQ(commandLine->row, &row) << line;
      } else {
        const auto* error = std::get_if<cli::UsageError>(&parsed);
        ASSERT_NE(error, nullptr) << line;
        EXPECT_EQ(error->message, option + " does not apply to " + std::string(row.name)) << line;
      }
    }
  }
}

TEST(CommandLine, WrongCommandLinesAreRefusedWithAReason) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"fly"},
                                             {"get", "3", "1", "byte"},
                                             {"get", "2", "8192", "byte"},
                                             {"set", "2", "1", "byte", "256"},
                                             {"set", "2", "1", "float", "1,5"},
                                             // Would go out as 0, or not at all.
                                             {"set", "2", "29", "float", "1e-50"},
                                             {"set", "2", "29", "float", "-1e39"},
                                             {"read"},
                                             {"write", "a.prf", "--verify"},
                                             {"live", "--count", "0"},
                                             {"live", "--csv", "--json"},
                                             {"get", "2", "1", "byte", "--baud", "1200"},
                                             {"get", "2", "1", "byte", "--baud", "all"},
                                             {"scan", "--addresses", "9-3"},
                                             {"diff", "a.prf", "--addresses", "1-2"},
                                             {"read", "a", "--addresses", "2-1"},
                                             {"diff"}}) {
    const auto parsed = cli::ParseCommandLine(arguments);
    const auto* error = std::get_if<cli::UsageError>(&parsed);
    ASSERT_NE(error, nullptr) << ::testing::PrintToString(arguments);
    EXPECT_FALSE(error->message.empty()) << ::testing::PrintToString(arguments);
  }
}

}  // namespace
}  // namespace zorkan
