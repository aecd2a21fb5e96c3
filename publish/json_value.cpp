#include "publish/json_value.h"

#include <charconv>
#include <cstdint>

namespace zorkan {

namespace {

// Deeper nesting is no command's: it only makes the reader's stack grow.
constexpr int kMostDepth = 32;

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  std::optional<JsonValue> document() {
    std::optional<JsonValue> value = this->value(0);
    skipBlanks();
    if (!value || at_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  std::optional<JsonValue> value(int depth) {
    skipBlanks();
    if (depth > kMostDepth || at_ == text_.size()) return std::nullopt;
    switch (text_[at_]) {
      case '{':
        return object(depth);
      case '[':
        return array(depth);
      case '"':
        if (auto text = string()) return JsonValue{std::move(*text)};
        return std::nullopt;
      case 't':
        return word("true", JsonValue{true});
      case 'f':
        return word("false", JsonValue{false});
      case 'n':
        return word("null", JsonValue{nullptr});
      default:
        return number();
    }
  }

  std::optional<JsonValue> object(int depth) {
    ++at_;
    JsonObject members;
    if (next('}')) return JsonValue{std::move(members)};
    do {
      skipBlanks();
      std::optional<std::string> name = string();
      if (!name || !next(':')) return std::nullopt;
      std::optional<JsonValue> member = value(depth + 1);
      if (!member) return std::nullopt;
      members.emplace_back(std::move(*name), std::move(*member));
    } while (next(','));
    if (!next('}')) return std::nullopt;
    return JsonValue{std::move(members)};
  }

  std::optional<JsonValue> array(int depth) {
    ++at_;
    JsonArray items;
    if (next(']')) return JsonValue{std::move(items)};
    do {
      std::optional<JsonValue> item = value(depth + 1);
      if (!item) return std::nullopt;
      items.push_back(std::move(*item));
    } while (next(','));
    if (!next(']')) return std::nullopt;
    return JsonValue{std::move(items)};
  }

  std::optional<JsonValue> word(std::string_view spelled, JsonValue meaning) {
    if (text_.substr(at_, spelled.size()) != spelled) return std::nullopt;
    at_ += spelled.size();
    return meaning;
  }

  // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
  std::optional<JsonValue> number() {
    const std::size_t start = at_;
    take('-');
    if (!take('0') && !digits()) return std::nullopt;
    if (take('.') && !digits()) return std::nullopt;
    if (take('e') || take('E')) {
      if (!take('+')) take('-');
      if (!digits()) return std::nullopt;
    }
    double number = 0;
    const char* end = text_.data() + at_;
    const auto [stop, error] = std::from_chars(text_.data() + start, end, number);
    if (error != std::errc() || stop != end) return std::nullopt;
    return JsonValue{number};
  }

  bool digits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }

  std::optional<std::string> string() {
    if (!take('"')) return std::nullopt;
    std::string text;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return text;
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        text += c;
        continue;
      }
      if (at_ == text_.size()) return std::nullopt;
      switch (const char escaped = text_[at_++]) {
        case '"':
        case '\\':
        case '/':
          text += escaped;
          break;
        case 'b':
          text += '\b';
          break;
        case 'f':
          text += '\f';
          break;
        case 'n':
          text += '\n';
          break;
        case 'r':
          text += '\r';
          break;
        case 't':
          text += '\t';
          break;
        case 'u':
          if (!codePoint(text)) return std::nullopt;
          break;
        default:
          return std::nullopt;
      }
    }
    return std::nullopt;
  }

  // After "\u": four hex digits, a surrogate pair as two of them; appended as UTF-8.
  bool codePoint(std::string& text) {
    std::optional<char32_t> c = hex4();
    if (!c || (*c >= 0xDC00 && *c <= 0xDFFF)) return false;
    if (*c >= 0xD800 && *c <= 0xDBFF) {
      if (!take('\\') || !take('u')) return false;
      const std::optional<char32_t> low = hex4();
      if (!low || *low < 0xDC00 || *low > 0xDFFF) return false;
      c = 0x10000 + ((*c - 0xD800) << 10) + (*low - 0xDC00);
    }
    AppendUtf8(text, *c);
    return true;
  }

  std::optional<char32_t> hex4() {
    if (text_.size() - at_ < 4) return std::nullopt;
    std::uint32_t value = 0;
    const char* begin = text_.data() + at_;
    const auto [stop, error] = std::from_chars(begin, begin + 4, value, 16);
    if (error != std::errc() || stop != begin + 4) return std::nullopt;
    at_ += 4;
    return static_cast<char32_t>(value);
  }

  static void AppendUtf8(std::string& text, char32_t c) {
    const auto byte = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (c < 0x80) {
      byte(c);
    } else if (c < 0x800) {
      byte(0xC0 | (c >> 6));
      byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      byte(0xE0 | (c >> 12));
      byte(0x80 | ((c >> 6) & 0x3F));
      byte(0x80 | (c & 0x3F));
    } else {
      byte(0xF0 | (c >> 18));
      byte(0x80 | ((c >> 12) & 0x3F));
      byte(0x80 | ((c >> 6) & 0x3F));
      byte(0x80 | (c & 0x3F));
    }
  }

  bool take(char c) {
    if (at_ == text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }

  // The next character after white space.
  bool next(char c) {
    skipBlanks();
    return take(c);
  }

  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text) {
  return JsonReader(text).document();
}

}  // namespace zorkan
