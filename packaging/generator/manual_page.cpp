#include "packaging/generator/manual_page.h"

#include <algorithm>
#include <cctype>

namespace zorkan::packaging {

namespace {

constexpr std::string_view kUsage = "Usage: ";

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A line of text as roff reads it literally: backslashes and minus signs escaped (options are typed
// with ASCII minus signs), and a line that would begin with a control character protected.
std::string Escaped(std::string_view line) {
  std::string text;
  if (line.starts_with('.') || line.starts_with('\'')) text += "\\&";
  for (const char c : line) {
    if (c == '\\') {
      text += "\\e";
    } else if (c == '-') {
      text += "\\-";
    } else {
      text += c;
    }
  }
  return text;
}

bool Indented(std::string_view line) {
  return line.starts_with(' ');
}

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

SplitHelp SplitUsage(std::string_view help) {
  SplitHelp split;
  const std::vector<std::string_view> lines = Lines(help);
  std::size_t k = 0;
  if (!lines.empty() && lines[0].starts_with(kUsage)) {
    split.usage.emplace_back(lines[0].substr(kUsage.size()));
    for (k = 1; k < lines.size() && Indented(lines[k]); ++k) {
      const std::string_view line = lines[k];
      const std::string_view form =
          line.substr(std::min(line.find_first_not_of(' '), kUsage.size()));
      // A line under "Usage:" is a form of its own, unless it goes on with the options of the one
      // before it.
      split.usage.push_back((form.starts_with('[') ? "    " : "") + std::string(form));
    }
  }
  for (; k < lines.size(); ++k) {
    split.rest += lines[k];
    split.rest += '\n';
  }
  return split;
}

std::string RoffBody(std::string_view help) {
  enum class Block { None, Prose, Literal };
  std::string roff;
  Block block = Block::None;
  const auto close = [&] {
    if (block == Block::Literal) roff += ".fi\n";
    block = Block::None;
  };
  for (const std::string_view line : Lines(help)) {
    if (line.find_first_not_of(' ') == std::string_view::npos) {
      close();
      continue;
    }
    const Block kind = Indented(line) ? Block::Literal : Block::Prose;
    if (kind != block) {
      close();
      roff += kind == Block::Literal ? ".PP\n.nf\n" : ".PP\n";
      block = kind;
    }
    roff += Escaped(line);
    roff += '\n';
  }
  close();
  return roff;
}

std::string RoffUsage(const std::vector<std::string>& usage) {
  std::string roff = ".nf\n";
  for (const std::string& form : usage) roff += Escaped(form) + "\n";
  return roff + ".fi\n";
}

std::string ManualPageText(const ManualPage& page) {
  std::string text = ".TH " + Escaped(Upper(page.name)) + " 1 " + Escaped(page.date) + " \"" +
                     Escaped(page.source) + "\" \"User Commands\"\n";
  // Options and file names are not to be broken at the end of a line, nor spaced out to fill it.
  text += ".nh\n.ad l\n";
  text += ".SH NAME\n" + Escaped(page.name) + " \\- " + Escaped(page.summary) + "\n";
  text += ".SH SYNOPSIS\n" + RoffUsage(page.usage);
  for (const ManualSection& section : page.sections) {
    text += ".SH " + Escaped(Upper(section.heading)) + "\n" + section.body;
  }
  return text;
}

}  // namespace zorkan::packaging
