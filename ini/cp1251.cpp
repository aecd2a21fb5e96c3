#include "ini/cp1251.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace zorkan {

namespace {

constexpr const char* kCodePage = "windows-1251";

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Without the code page (a Qt built without ICU) only the ASCII half is certain.
std::string AsciiOnly(std::string_view text) {
  std::string ascii(text);
  for (char& c : ascii) {
    if (static_cast<unsigned char>(c) >= 0x80) c = '?';
  }
  return ascii;
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  // Names, numbers and most values are ASCII; they need no converter.
  if (IsAscii(bytes)) return std::string(bytes);
  QStringDecoder decoder(kCodePage);
  if (!decoder.isValid()) return AsciiOnly(bytes);
  const QString text = decoder.decode(QByteArrayView(bytes.data(), std::ssize(bytes)));
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

std::string Utf8ToCp1251(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  QStringEncoder encoder(kCodePage);
  if (!encoder.isValid()) return AsciiOnly(text);
  const QString unicode = QString::fromUtf8(text.data(), std::ssize(text));
  const QByteArray encoded = encoder.encode(unicode);
  std::string bytes(encoded.constData(), static_cast<std::size_t>(encoded.size()));
  if (!encoder.hasError()) return bytes;
  // The converter puts its substitute byte 0x1A where a character has no code; a single-byte
  // code page gives one byte per code point, so the characters can be walked alongside.
  const QList<uint> codePoints = unicode.toUcs4();
  for (std::size_t i = 0; i < bytes.size() && i < static_cast<std::size_t>(codePoints.size());
       ++i) {
    if (bytes[i] == '\x1A' && codePoints[static_cast<qsizetype>(i)] != 0x1A) bytes[i] = '?';
  }
  return bytes;
}

}  // namespace zorkan
