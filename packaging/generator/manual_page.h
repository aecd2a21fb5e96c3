#pragma once
// A manual page in roff, made from a program's own help texts: their prose paragraphs are filled
// to the reader's width, their indented lines (option lists, examples) kept as they are.

#include <string>
#include <string_view>
#include <vector>

namespace zorkan::packaging {

// A help text with its "Usage:" lines (and the indented lines that go on from them) taken off.
struct SplitHelp {
  std::vector<std::string> usage;  // without "Usage: "; a line that goes on with a form indented
  std::string rest;
};
SplitHelp SplitUsage(std::string_view help);

// A help text's paragraphs and indented blocks as the body of a manual section.
std::string RoffBody(std::string_view help);
// The usage lines as a block of their own, one form a line.
std::string RoffUsage(const std::vector<std::string>& usage);

struct ManualSection {
  std::string heading;
  std::string body;  // roff, as RoffBody makes it
};

struct ManualPage {
  std::string name;     // the program's
  std::string summary;  // its NAME line after the dash
  std::string source;   // the package and its version: "zorkan-config 1.0.0"
  std::string date;     // of the release, YYYY-MM-DD
  std::vector<std::string> usage;
  std::vector<ManualSection> sections;  // after NAME and SYNOPSIS
};

std::string ManualPageText(const ManualPage& page);

}  // namespace zorkan::packaging
