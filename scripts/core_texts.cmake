# Collects the texts marked OPERATOR_TEXT("…") in the sources named, one a line, in SOURCE_LIST
# and writes them to OUTPUT as a C++ file that lupdate reads (each a QT_TRANSLATE_NOOP of the
# context "Operator") and the window compiles, so that it knows the patterns among them.
#   cmake -DSOURCE_LIST=sources.txt -DOUTPUT=core_texts.cpp -P scripts/core_texts.cmake
cmake_minimum_required(VERSION 3.25)

file(STRINGS "${SOURCE_LIST}" sources)
set(texts "")
foreach(source IN LISTS sources)
  file(READ "${source}" content)
  # Semicolons and brackets would split or join CMake's list items: they travel as escapes.
  string(REPLACE ";" "<zorkan-semicolon>" content "${content}")
  string(REPLACE "[" "<zorkan-open>" content "${content}")
  string(REPLACE "]" "<zorkan-close>" content "${content}")
  # A mark in a comment line marks nothing; the macro's own definition is no text either.
  string(REGEX REPLACE "\n[ \t]*//[^\n]*" "\n" content "\n${content}")
  string(REGEX MATCHALL "OPERATOR_TEXT\\([ \t\r\n]*(\"([^\"\\\\]|\\\\.)*\"[ \t\r\n]*)+\\)"
         marks "${content}")
  foreach(mark IN LISTS marks)
    string(REGEX REPLACE "^OPERATOR_TEXT\\([ \t\r\n]*" "" literals "${mark}")
    string(REGEX REPLACE "[ \t\r\n]*\\)$" "" literals "${literals}")
    # Adjacent literals are one text: joined on one line.
    string(REGEX REPLACE "\"[ \t\r\n]+\"" "" literal "${literals}")
    list(APPEND texts "${literal}")
  endforeach()
endforeach()
list(REMOVE_DUPLICATES texts)
list(SORT texts)

set(lines "")
foreach(text IN LISTS texts)
  string(APPEND lines "    QT_TRANSLATE_NOOP(\"Operator\", ${text}),\n")
endforeach()
string(REPLACE "<zorkan-semicolon>" ";" lines "${lines}")
string(REPLACE "<zorkan-open>" "[" lines "${lines}")
string(REPLACE "<zorkan-close>" "]" lines "${lines}")
file(WRITE "${OUTPUT}" "\
// Made by scripts/core_texts.cmake from the texts marked OPERATOR_TEXT in the sources.
#include <QtGlobal>
#include <span>

#include \"ui/core_text.h\"

namespace zorkan {

namespace {

constexpr const char* kCoreTexts[] = {
${lines}};

}  // namespace

std::span<const char* const> CoreTexts() {
  return kCoreTexts;
}

}  // namespace zorkan
")
