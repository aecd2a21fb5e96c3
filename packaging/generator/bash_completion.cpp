#include "packaging/generator/bash_completion.h"

#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/command_table.h"
#include "cli/link_options.h"
#include "link/port_path.h"
#include "link/port_timing.h"

namespace zorkan::packaging {

namespace {

using cli::CommandRow;

std::string Joined(const std::vector<std::string_view>& words) {
  std::string text;
  for (const std::string_view word : words) {
    if (!text.empty()) text += ' ';
    text += word;
  }
  return text;
}

std::vector<std::string_view> OptionsOf(const CommandRow& row) {
  std::vector<std::string_view> names;
  for (const cli::Option& option : row.options) names.push_back(option.name);
  return names;
}

// Every option that takes a value: the word after it is no command or argument.
std::string ValueOptions() {
  std::set<std::string_view> names;
  for (const std::string_view name : cli::LinkOptionNames()) names.insert(name);
  for (const CommandRow& row : cli::Commands()) {
    for (const cli::Option& option : row.options) {
      if (option.kind == cli::OptionKind::Value) names.insert(option.name);
    }
  }
  return Joined({names.begin(), names.end()});
}

// The command's options, the subcommands it may take next and whether --baud takes all.
std::string Assignments(const CommandRow& row, std::string_view more) {
  std::string text = "options='" + Joined(OptionsOf(row)) + "'";
  if (!more.empty()) text += "; ((${#words[@]} == 1)) && more='" + std::string(more) + "'";
  if (row.everyBaudRate) text += "; all=' all'";
  return text;
}

// A case arm for each command name: its row, or with a second word the row of that subcommand.
std::string CommandArms() {
  std::string arms;
  std::vector<std::string_view> names;
  for (const CommandRow& row : cli::Commands()) {
    if (row.subcommand.empty()) names.push_back(row.name);
  }
  for (const std::string_view name : names) {
    const CommandRow* base = nullptr;
    std::vector<const CommandRow*> subcommands;
    std::vector<std::string_view> subcommandWords;
    for (const CommandRow& row : cli::Commands()) {
      if (row.name != name) continue;
      if (row.subcommand.empty()) {
        base = &row;
      } else {
        subcommands.push_back(&row);
        subcommandWords.push_back(row.subcommand);
      }
    }
    arms += "    " + std::string(name) + ")\n";
    std::string_view keyword = "if";
    for (const CommandRow* sub : subcommands) {
      arms += "      " + std::string(keyword) +
              " [[ ${words[1]-} == " + std::string(sub->subcommand) + " ]]; then\n        " +
              Assignments(*sub, {}) + "\n";
      keyword = "elif";
    }
    const std::string indent = subcommands.empty() ? "      " : "        ";
    if (!subcommands.empty()) arms += "      else\n";
    arms += indent + Assignments(*base, Joined(subcommandWords)) + "\n";
    if (!subcommands.empty()) arms += "      fi\n";
    arms += "      ;;\n";
  }
  return arms;
}

std::string CommandNames() {
  std::vector<std::string_view> names;
  for (const CommandRow& row : cli::Commands()) {
    if (row.subcommand.empty()) names.push_back(row.name);
  }
  return Joined(names);
}

std::string BaudRates() {
  std::vector<std::string> rates;
  for (const PortTiming& timing : PortTimings()) rates.push_back(std::to_string(timing.baudRate));
  return Joined({rates.begin(), rates.end()});
}

std::string PortNumbers() {
  std::string numbers;
  for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
    if (!numbers.empty()) numbers += ' ';
    numbers += std::to_string(n);
  }
  return numbers;
}

// The script, with {NAME} where the tables' words go.
constexpr std::string_view kScript =
    R"script(# zorkan-cli's commands and options completed in bash; made from its command table when
# the package was built.

_zorkan_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  local values=' {values} '
  # The words so far that are neither options nor their values: the command and its arguments.
  local words=() i
  for ((i = 1; i < COMP_CWORD; i++)); do
    if [[ $values == *" ${COMP_WORDS[i]} "* ]]; then
      i=$((i + 1))
    elif [[ ${COMP_WORDS[i]} != -* ]]; then
      words+=("${COMP_WORDS[i]}")
    fi
  done
  # options: the command's own; more: the words it may take next; all: where --baud takes it.
  local options='' more='' all=''
  case ${words[0]-} in
    '')
      more='{commands}'
      ;;
{arms}  esac
  case $prev in
    --baud)
      mapfile -t COMPREPLY < <(compgen -W '{bauds}'"$all" -- "$cur")
      return
      ;;
    --port)
      mapfile -t COMPREPLY < <(compgen -W '{ports}' -- "$cur")
      return
      ;;
  esac
  if [[ $values == *" $prev "* ]]; then
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    return
  fi
  if [[ $cur == -* ]]; then
    if [[ -z ${words[0]-} ]]; then
      options='--help --version'
    else
      options+=' {link} --help'
    fi
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    return
  fi
  mapfile -t COMPREPLY < <(compgen -W "$more" -- "$cur")
  if [[ -n ${words[0]-} ]]; then
    compopt -o filenames 2>/dev/null
    mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -f -- "$cur")
  fi
}
complete -F _zorkan_cli zorkan-cli
)script";

}  // namespace

std::string BashCompletion() {
  std::string script(kScript);
  const std::pair<std::string_view, std::string> words[] = {
      {"{values}", ValueOptions()}, {"{commands}", CommandNames()},
      {"{arms}", CommandArms()},    {"{bauds}", BaudRates()},
      {"{ports}", PortNumbers()},   {"{link}", Joined(cli::LinkOptionNames())},
  };
  for (const auto& [name, text] : words) script.replace(script.find(name), name.size(), text);
  return script;
}

}  // namespace zorkan::packaging
