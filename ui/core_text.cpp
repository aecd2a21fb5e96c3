#include "ui/core_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "operator/operator_text.h"

namespace zorkan {

namespace {

// The context the build gives every marked text in the translations.
constexpr const char* kContext = "Operator";

bool IsMark(std::string_view text, std::size_t at) {
  return text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
}

// A marked text with %1 … %9 in it, as a regular expression that finds its parts.
struct Pattern {
  const char* source;
  QRegularExpression expression;
  std::vector<int> partOfGroup;  // the N of the %N each capture group stands for
  QString prefix;                // what comes before the first mark and after the last
  QString suffix;
  std::size_t literalLength = 0;
};

std::optional<Pattern> PatternOf(const char* source) {
  const std::string_view text(source);
  Pattern pattern{source, {}, {}, {}, {}, 0};
  QString expression;
  std::string literal;
  std::vector<int> groupOfPart(10, 0);
  bool marked = false;
  const auto takeLiteral = [&] {
    const QString piece = QString::fromStdString(literal);
    expression += QRegularExpression::escape(piece);
    if (!marked) pattern.prefix = piece;
    pattern.literalLength += literal.size();
    literal.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsMark(text, i)) {
      literal += text[i];
      continue;
    }
    takeLiteral();
    marked = true;
    const int part = text[++i] - '0';
    if (groupOfPart[part] != 0) {
      expression += QString("\\%1").arg(groupOfPart[part]);
    } else {
      pattern.partOfGroup.push_back(part);
      groupOfPart[part] = static_cast<int>(pattern.partOfGroup.size());
      expression += "(.*?)";
    }
  }
  pattern.suffix = QString::fromStdString(literal);
  takeLiteral();
  // A pattern of marks alone would take any text apart.
  if (!marked || pattern.literalLength == 0) return std::nullopt;
  pattern.expression = QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                          QRegularExpression::DotMatchesEverythingOption);
  return pattern;
}

struct KnownTexts {
  std::unordered_set<std::string_view> texts;
  // The most literal text first: of two patterns that fit, the one that says more.
  std::vector<Pattern> patterns;
};

KnownTexts Collect() {
  KnownTexts known;
  for (const char* text : CoreTexts()) {
    known.texts.insert(text);
    if (std::optional<Pattern> pattern = PatternOf(text)) {
      known.patterns.push_back(std::move(*pattern));
    }
  }
  std::stable_sort(
      known.patterns.begin(), known.patterns.end(),
      [](const Pattern& a, const Pattern& b) { return a.literalLength > b.literalLength; });
  return known;
}

const KnownTexts& Known() {
  static const KnownTexts known = Collect();
  return known;
}

QString Translated(const char* source) {
  return QCoreApplication::translate(kContext, source);
}

}  // namespace

QString CoreText(std::string_view text) {
  const KnownTexts& known = Known();
  if (const auto exact = known.texts.find(text); exact != known.texts.end()) {
    return Translated(exact->data());
  }
  const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (const Pattern& pattern : known.patterns) {
    if (!shown.startsWith(pattern.prefix) || !shown.endsWith(pattern.suffix)) continue;
    const QRegularExpressionMatch match = pattern.expression.match(shown);
    if (!match.hasMatch()) continue;
    std::vector<std::string> parts(10);
    for (std::size_t group = 0; group < pattern.partOfGroup.size(); ++group) {
      const QString part = match.captured(static_cast<int>(group + 1));
      parts[static_cast<std::size_t>(pattern.partOfGroup[group])] =
          CoreText(part.toStdString()).toStdString();
    }
    const std::string filled =
        FillText(Translated(pattern.source).toStdString(), parts[1], parts[2], parts[3], parts[4],
                 parts[5], parts[6], parts[7], parts[8], parts[9]);
    return QString::fromStdString(filled);
  }
  return shown;
}

}  // namespace zorkan
