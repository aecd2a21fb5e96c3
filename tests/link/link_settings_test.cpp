#include "link/link_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

LinkSettingsFindings Warnings(bool portNumberTooLarge, bool longReplyTimeout) {
  LinkSettingsFindings findings;
  findings.portNumberTooLarge = portNumberTooLarge;
  findings.longReplyTimeout = longReplyTimeout;
  return findings;
}

class LinkSettingsTest : public ::testing::Test {
 protected:
  LinkSettings Load() {
    LinkSettings settings;
    findings = LoadLinkSettings(settings, folder.path());
    return settings;
  }
  void WriteDevDat(const std::string& content) { WriteBytes(folder / "dev.dat", content); }
  std::string DevDat() const { return ReadBytes(folder / "dev.dat"); }

  ScratchFolder folder;
  LinkSettingsFindings findings;
};

TEST_F(LinkSettingsTest, MissingFileIsCreatedWithTheTenDefaultKeys) {
  const LinkSettings settings = Load();
  EXPECT_EQ(DevDat(),
            "[COM_SETTINGS]\r\nNumber=1\r\nSettings=9600,N,8,2\r\n"
            "[DEVICE]\r\nEnableNetAdrr=1\r\nNetAdrr=1\r\n"
            "[SETTINGS]\r\nNOfReadings=2\r\nTimeOut=1\r\n"
            "[LOG]\r\nUseLogFile=1\r\nLogFileName=COM.txt\r\n"
            "[IZM]\r\nUseIzmFile=1\r\nIzmFileName=IZM.txt\r\n");
  EXPECT_EQ(settings.portNumber, 1);
  EXPECT_EQ(settings.baudRate, 9600u);
  EXPECT_EQ(settings.networkAddress, 1u);
  EXPECT_EQ(settings.readings, 2);
  EXPECT_EQ(settings.replyTimeoutMs, 1000u);
  EXPECT_EQ(settings.logSwitch, 1);
  EXPECT_EQ(settings.measurementLogSwitch, 1);
  EXPECT_EQ(settings.logFileName, "COM.txt");
  EXPECT_EQ(settings.measurementLogFileName, "IZM.txt");
  EXPECT_EQ(findings, LinkSettingsFindings{});
}

TEST_F(LinkSettingsTest, ReadingsCountForThisRunButTheFileGetsTwo) {
  WriteDevDat("[SETTINGS]\r\nNOfReadings=4\r\n");
  EXPECT_EQ(Load().readings, 4);
  EXPECT_NE(DevDat().find("NOfReadings=2\r\n"), std::string::npos);
}

TEST_F(LinkSettingsTest, PartialFileIsCompletedAndForeignLinesKept) {
  WriteDevDat("; written by hand\r\n[settings]\r\ntimeout=2\r\n");
  const LinkSettings settings = Load();
  EXPECT_EQ(settings.replyTimeoutMs, 2000u);
  std::string file = DevDat();
  EXPECT_EQ(file.find("; written by hand\r\n"), 0u);
  std::transform(file.begin(), file.end(), file.begin(), [](char c) { return std::tolower(c); });
  for (const char* key :
       {"number=1", "settings=9600,n,8,2", "netadrr=1", "nofreadings=2", "timeout=2",
        "uselogfile=1", "logfilename=com.txt", "useizmfile=1", "izmfilename=izm.txt"}) {
    EXPECT_NE(file.find(key), std::string::npos) << key;
  }
  // Only a created file gets EnableNetAdrr; it is never read.
  EXPECT_EQ(file.find("enablenetadrr"), std::string::npos);
}

TEST_F(LinkSettingsTest, BaudRateComesFromTheSettingsText) {
  EXPECT_EQ(BaudRateFromSettingsText("19200,N,8,1"), 19200u);
  EXPECT_EQ(BaudRateFromSettingsText("abc"), 4800u);
  EXPECT_EQ(BaudRateFromSettingsText("57600"), 57600u);
  EXPECT_EQ(BaudRateFromSettingsText("38400,E,7,1"), 38400u);
  EXPECT_EQ(BaudRateFromSettingsText("4800,N,8,2"), 4800u);
  WriteDevDat("[COM_SETTINGS]\r\nSettings=19200,N,8,1\r\n");
  EXPECT_EQ(Load().baudRate, 19200u);
}

TEST_F(LinkSettingsTest, HexadecimalNetworkAddressIsWrittenBackDecimal) {
  WriteDevDat("[DEVICE]\r\nNetAdrr=0x1F\r\n");
  EXPECT_EQ(Load().networkAddress, 31u);
  EXPECT_NE(DevDat().find("NetAdrr=31\r\n"), std::string::npos);
}

TEST_F(LinkSettingsTest, ZeroTimeOutLeavesTheMinimumWait) {
  WriteDevDat("[SETTINGS]\r\nTimeOut=0\r\n");
  EXPECT_EQ(Load().replyTimeoutMs, 0u);
  EXPECT_EQ(findings, LinkSettingsFindings{});
}

TEST_F(LinkSettingsTest, NegativeTimeOutCountsAsZero) {
  WriteDevDat("[SETTINGS]\r\nTimeOut=-3\r\n");
  EXPECT_EQ(Load().replyTimeoutMs, 0u);
  EXPECT_NE(DevDat().find("TimeOut=0\r\n"), std::string::npos);
  EXPECT_EQ(findings, LinkSettingsFindings{});
}

TEST_F(LinkSettingsTest, LongTimeOutIsUsedAndWarnedOf) {
  WriteDevDat("[SETTINGS]\r\nTimeOut=5\r\n");
  EXPECT_EQ(Load().replyTimeoutMs, 5000u);
  EXPECT_EQ(findings, Warnings(false, true));
}

// Two billion seconds would make one attempt wait 49 days without a word.
TEST_F(LinkSettingsTest, HugeTimeOutWaitsTenSecondsAndStaysInTheFile) {
  WriteDevDat("[SETTINGS]\r\nTimeOut=2000000000\r\n");
  EXPECT_EQ(Load().replyTimeoutMs, 10'000u);
  EXPECT_NE(DevDat().find("TimeOut=2000000000\r\n"), std::string::npos);
}

TEST_F(LinkSettingsTest, PortNumberZeroIsSilentFiveAndNegativeWarn) {
  WriteDevDat("[COM_SETTINGS]\r\nNumber=0\r\n");
  EXPECT_EQ(Load().portNumber, 0);
  EXPECT_EQ(findings, LinkSettingsFindings{});
  for (const char* number : {"5", "-1"}) {
    WriteDevDat(std::string("[COM_SETTINGS]\r\nNumber=") + number + "\r\n");
    Load();
    EXPECT_EQ(findings, Warnings(true, false)) << number;
  }
}

TEST_F(LinkSettingsTest, BothWarningsAreFoundTogether) {
  WriteDevDat("[COM_SETTINGS]\r\nNumber=7\r\n[SETTINGS]\r\nTimeOut=9\r\n");
  Load();
  EXPECT_EQ(findings, Warnings(true, true));
}

TEST_F(LinkSettingsTest, LogSwitchOtherThanOneDisablesTheExchangeLog) {
  WriteDevDat("[LOG]\r\nUseLogFile=2\r\n");
  LinkSettings settings = Load();
  EXPECT_TRUE(TransactionParameters(settings, folder.path()).exchangeLogPath.empty());
  settings.logSwitch = 1;
  EXPECT_EQ(TransactionParameters(settings, folder.path()).exchangeLogPath, folder / "COM.txt");
}

TEST_F(LinkSettingsTest, AttemptCountIsClampedToTwoToFive) {
  LinkSettings settings;
  for (const auto& [readings, attempts] :
       std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {3, 3}, {9, 5}, {-4, 2}}) {
    settings.readings = readings;
    EXPECT_EQ(TransactionParameters(settings, folder.path()).attemptCount, attempts);
    EXPECT_EQ(settings.readings, attempts);
  }
}

TEST_F(LinkSettingsTest, UnwritableFolderStartsWithDefaultsAndOneFinding) {
  WriteBytes(folder / "plain-file", "");
  LinkSettings settings;
  settings.portNumber = 3;
  EXPECT_EQ(LoadLinkSettings(settings, folder / "plain-file"),
            (LinkSettingsFindings{.unwritable = folder / "plain-file" / "dev.dat"}));
  EXPECT_EQ(settings.portNumber, 1);
  EXPECT_EQ(settings.baudRate, 9600u);
}

TEST_F(LinkSettingsTest, ReadOnlyFileIsReadAndLeftAlone) {
  const std::string content = "[COM_SETTINGS]\r\nNumber=2\r\n[SETTINGS]\r\nNOfReadings=3\r\n";
  WriteDevDat(content);
  std::filesystem::permissions(folder / "dev.dat", std::filesystem::perms::owner_read);
  const LinkSettings settings = Load();
  EXPECT_EQ(settings.portNumber, 2);
  EXPECT_EQ(settings.readings, 3);
  EXPECT_EQ(findings, (LinkSettingsFindings{.unwritable = folder / "dev.dat"}));
  EXPECT_EQ(DevDat(), content);
}

TEST_F(LinkSettingsTest, ReadingAloneNeverWrites) {
  EXPECT_EQ(ReadLinkSettings(folder.path()).baudRate, 9600u);
  EXPECT_FALSE(std::filesystem::exists(folder / "dev.dat"));
  const std::string partial = "[SETTINGS]\r\nNOfReadings=4\r\nTimeOut=3\r\n";
  WriteDevDat(partial);
  const LinkSettings settings = ReadLinkSettings(folder.path());
  EXPECT_EQ(settings.readings, 4);
  EXPECT_EQ(settings.replyTimeoutMs, 3000u);
  EXPECT_EQ(DevDat(), partial);
}

TEST_F(LinkSettingsTest, SavePortNumberWritesOnlyTheNumber) {
  WriteDevDat("[COM_SETTINGS]\r\nNumber=1\r\nSettings=abc\r\n");
  LinkSettings settings;
  settings.portNumber = 3;
  settings.settingsText = "changed";
  EXPECT_TRUE(SavePortNumber(settings, folder.path()));
  EXPECT_EQ(DevDat(), "[COM_SETTINGS]\r\nNumber=3\r\nSettings=abc\r\n");
}

}  // namespace
}  // namespace zorkan
