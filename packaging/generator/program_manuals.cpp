#include "packaging/generator/program_manuals.h"

#include <set>
#include <string_view>

#include "cli/command_table.h"
#include "cli/help_ranges.h"
#include "cli/link_options.h"
#include "packaging/generator/manual_page.h"
#include "sim/command_line.h"

namespace zorkan::packaging {

namespace {

constexpr std::string_view kCliFiles =
    "zorkan-cli works in the folder it is started in, as zorkan-config does:\n"
    "  dev.dat        the link settings, read and never written (defaults when missing)\n"
    "  COM1..COM4     links to the serial devices of port numbers 1 to 4\n"
    "  journal/       the configuration journal: an entry for each whole read, whole write and\n"
    "                 set, and index.txt\n"
    "Files are text in Windows-1251 with CR LF line ends.\n";

// The commands' own help, each once (journal and journal diff share theirs), without the link
// options every command takes: those have a section of their own.
std::string CommandsBody() {
  std::string body;
  std::set<const char*> told;
  for (const cli::CommandRow& row : cli::Commands()) {
    if (!told.insert(row.help.data()).second) continue;
    const SplitHelp help = SplitUsage(cli::FillInRanges(std::string(row.help)));
    body += ".SS " + std::string(row.name) + "\n" + RoffUsage(help.usage) + RoffBody(help.rest);
  }
  return body;
}

}  // namespace

std::string ZorkanCliManual(const std::string& source, const std::string& date) {
  const SplitHelp program = SplitUsage(cli::ProgramHelp());
  return ManualPageText(
      {.name = "zorkan-cli",
       .summary = "configure and check ZORKAN 74X instruments from scripts",
       .source = source,
       .date = date,
       .usage = program.usage,
       .sections = {
           {"Description", RoffBody(program.rest)},
           {"Commands", CommandsBody()},
           {"Link options", RoffBody(cli::FillInRanges(std::string(cli::LinkOptionsHelp())))},
           {"Files", RoffBody(kCliFiles)},
           {"See also", RoffBody("zorkan-config(1), zorkan-sim(1)\n")}}});
}

std::string ZorkanSimManual(const std::string& source, const std::string& date) {
  const SplitHelp help = SplitUsage(sim::UsageText());
  return ManualPageText(
      {.name = "zorkan-sim",
       .summary = "simulate ZORKAN 74X instruments on a pseudo-terminal",
       .source = source,
       .date = date,
       .usage = help.usage,
       .sections = {{"Description", RoffBody(help.rest)},
                    {"See also", RoffBody("zorkan-cli(1), zorkan-config(1)\n")}}});
}

}  // namespace zorkan::packaging
