#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ini/ini_document.h"
#include "ini/ini_file.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

const std::string kSeed =
    "[CH1]\r\ndat=17\r\ndiap_max=100.0000\r\ntext=\xCA\xE0\xED\xE0\xEB 1\r\n\r\n"
    "; comment\r\n[ch2]\nDAT = 0x11\nth1=  50.0000\n[Definition]\r\ntxt0=  \x98\r\n"
    "[S]\r\nk=$2\r\nk=3\r\n[s]\r\nj=1e3\r";

const std::pair<const char*, const char*> kProbes[] = {
    {"CH1", "dat"},         {"CH1", "text"}, {"CH2", "dat"}, {"ch2", "th1"},
    {"Definition", "txt0"}, {"S", "k"},      {"S", "j"},     {"Other", "x"},
};

// Pieces that matter to the parser, spliced in at random.
const char* const kPieces[] = {"\r\n", "\n", "\r",   "[",    "]",  "=", ";", "#", " ", "\t",
                               "[S]",  "k=", "\x98", "\xC0", "0x", "$", "-", ".", "e", "\0"};

std::string Mutate(std::string text, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < edits; ++i) {
    const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
    switch (random() % 5) {
      case 0:
        if (at < text.size()) text[at] = static_cast<char>(random());
        break;
      case 1:
        text.insert(at, kPieces[random() % std::size(kPieces)]);
        break;
      case 2:
        text.erase(at, random() % 16);
        break;
      case 3:
        text.insert(at, text.substr(random() % (text.size() + 1), random() % 40));
        break;
      default:
        text.resize(at);
    }
  }
  return text;
}

std::string Noise(std::mt19937& random) {
  std::string text(random() % 300, ' ');
  for (char& c : text) c = static_cast<char>(random());
  return text;
}

// Over the old bytes, then cut: emptying a file first would make the file system flush it to disk
// each time.
void Overwrite(int fd, std::string_view content) {
  ASSERT_EQ(::pwrite(fd, content.data(), content.size(), 0), std::ssize(content));
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(content.size())), 0);
}

struct Reading {
  std::int32_t integer;
  std::string text;
  float real;
  bool operator==(const Reading&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Reading& r) {
    return out << r.integer << " \"" << r.text << "\" " << r.real;
  }
};

template <typename Ini>
Reading Read(const Ini& ini, const char* section, const char* key) {
  Reading reading{ini.readInteger(section, key, -7), ini.readText(section, key, "\x01"), -7.0f};
  ini.readReal(section, key, "x", reading.real);
  return reading;
}

// Whatever a file holds, reading gives a value or the default, and a write changes exactly the
// key written.
TEST(RandomFiles, ReadingSurvivesAnyContent) {
  testing::ScratchFolder folder;
  const auto path = folder / "r.prf";
  IniFile ini(path);
  int file = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_GE(file, 0);
  std::mt19937 random(12345);
  std::vector<Reading> before(std::size(kProbes));
  for (int round = 0; round < 40'000; ++round) {
    const std::string content = round % 10 == 0 ? Noise(random) : Mutate(kSeed, random);
    Overwrite(file, content);
    // One read function a round, in turn: each reads the whole file anew.
    const auto probe = random() % std::size(kProbes);
    const auto [section, key] = kProbes[probe];
    switch (round % 3) {
      case 0:
        ini.readInteger(section, key, 0);
        break;
      case 1: {
        const std::string text = ini.readText(section, key, "");
        ASSERT_LE(text.size(), 3u * 1023u);
        if (!text.empty()) {
          ASSERT_NE(text.front(), ' ') << content;
          ASSERT_NE(text.back(), ' ') << content;
        }
        break;
      }
      default: {
        float real = 0;
        ini.readReal(section, key, "", real);
        ASSERT_TRUE(std::isfinite(real)) << content;
      }
    }
    if (round % 100 != 0) continue;

    for (std::size_t i = 0; i < std::size(kProbes); ++i) {
      before[i] = Read(ini, kProbes[i].first, kProbes[i].second);
    }
    ASSERT_TRUE(ini.writeText(section, key, " 12 "));
    // The write put a new file in place of the one open here.
    ::close(file);
    file = ::open(path.c_str(), O_RDWR);
    ASSERT_GE(file, 0);
    for (std::size_t i = 0; i < std::size(kProbes); ++i) {
      const Reading after = Read(ini, kProbes[i].first, kProbes[i].second);
      if (i == probe) {
        ASSERT_EQ(after, (Reading{12, "12", 12.0f})) << content;
      } else {
        ASSERT_EQ(after, before[i]) << kProbes[i].first << "/" << kProbes[i].second << "\n"
                                    << content;
      }
    }
  }
  ::close(file);
}

// Where writes go besides the probes: new keys and sections, names in another case, Cyrillic
// names, and names that the line written for them reads back otherwise.
const std::pair<const char*, const char*> kWriteTargets[] = {
    {"CH1", "dat"}, {"ch1", "NEW"},     {"S", "k"},         {"s", "j"},     {"Definition", "t"},
    {"New", "k"},   {"Раздел", "Ключ"}, {"РАЗДЕЛ", "ключ"}, {"S", " k"},    {"S", "a=b"},
    {"[S]", "k"},   {"T", "[U]"},       {"Other", "x"},     {"ch2", "th1"},
};
const char* const kWrittenTexts[] = {"1", " 12 ", "", "a\r\nb", "[S]", "k=v", "Ж"};

// A document keeps its index through its writes instead of parsing itself again: after any run of
// writes it must hold the bytes, and read the values, of writes made one at a time to the text
// parsed afresh each time, as the file accessor makes them.
TEST(RandomFiles, WritesNeverLeaveIndexStale) {
  std::mt19937 random(54321);
  for (int round = 0; round < 3'000; ++round) {
    const std::string content = round % 10 == 0 ? Noise(random) : Mutate(kSeed, random);
    IniDocument kept(content);
    std::string writtenOneByOne = content;
    for (int write = 0; write < 6; ++write) {
      const auto [section, key] = kWriteTargets[random() % std::size(kWriteTargets)];
      const char* text = kWrittenTexts[random() % std::size(kWrittenTexts)];
      kept.writeText(section, key, text);
      IniDocument fresh(writtenOneByOne);
      fresh.writeText(section, key, text);
      writtenOneByOne = fresh.bytes();
      ASSERT_EQ(kept.bytes(), writtenOneByOne) << section << "/" << key << " in\n" << content;
    }
    const IniDocument parsed(writtenOneByOne);
    for (const auto& [section, key] : kWriteTargets) {
      ASSERT_EQ(Read(kept, section, key), Read(parsed, section, key))
          << section << "/" << key << " in\n"
          << writtenOneByOne;
    }
  }
}

}  // namespace
}  // namespace zorkan
