// zorkan-cli as a script runs it: a child process in its own working folder, talking to the
// simulator over a pty.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>

#include "ini/ini_file.h"
#include "sim/simulator.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::ReadBytes;
using testing::ScratchFolder;

constexpr auto kExitWait = 60s;

struct CliRun {
  int status = -1;
  std::string output;
  std::string errors;
};

class CliTest : public ::testing::Test {
 protected:
  // Link options first: the device is the simulator's pty, no exchange log.
  std::vector<std::string> WithDevice(std::vector<std::string> arguments) const {
    arguments.insert(arguments.end(), {"--device", simulator.devicePath()});
    return arguments;
  }

  CliRun RunCli(const std::vector<std::string>& arguments) {
    ChildProcess child(ZORKAN_CLI_EXECUTABLE, arguments, folder.path().string());
    CliRun run;
    run.status = child.waitForExit(kExitWait).value_or(-1);
    run.output = child.output();
    run.errors = child.errorOutput();
    return run;
  }

  std::filesystem::path Profile(const std::string& name) const { return folder / name; }

  sim::Simulator simulator{{.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0}};
  ScratchFolder folder;
};

TEST_F(CliTest, ReadThenWriteThenReadGivesTheSameProfile) {
  const CliRun first = RunCli(WithDevice({"read", Profile("a.prf").string()}));
  ASSERT_EQ(first.status, 0) << first.errors;
  const std::string read = ReadBytes(Profile("a.prf"));
  const CliRun write = RunCli(WithDevice({"write", Profile("a.prf").string()}));
  ASSERT_EQ(write.status, 0) << write.errors;
  const CliRun second = RunCli(WithDevice({"read", Profile("a.prf").string()}));
  ASSERT_EQ(second.status, 0) << second.errors;
  EXPECT_EQ(ReadBytes(Profile("a.prf")), read);
  EXPECT_EQ(simulator.byteParameter(2, 0), 47);  // the write ended with the device kind code
}

TEST_F(CliTest, ReadKeepsWhatOnlyTheProfileHolds) {
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("a.prf").string()})).status, 0);
  IniFile profile(Profile("a.prf"));
  ASSERT_TRUE(profile.writeText("Definition", "txt1", "Печь 3"));
  simulator.setFloatParameter(2, 29, 123.5f);
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("a.prf").string()})).status, 0);
  EXPECT_EQ(profile.readText("Definition", "txt1", ""), "Печь 3");
  float setpoint = 0;
  profile.readReal("CH1", "th1", "0", setpoint);
  EXPECT_EQ(setpoint, 123.5f);
}

TEST_F(CliTest, OutOfRangeSetpointStopsTheWriteUnlessYes) {
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("a.prf").string()})).status, 0);
  ASSERT_TRUE(IniFile(Profile("a.prf")).writeText("CH1", "th1", "12000"));
  simulator.clearReceivedFrames();
  const CliRun refused = RunCli(WithDevice({"write", Profile("a.prf").string()}));
  EXPECT_EQ(refused.status, 17);
  EXPECT_NE(refused.errors.find("Слишком большая величина уставки она будет ограничена величиной "
                                "9999. Записать так ?"),
            std::string::npos)
      << refused.errors;
  EXPECT_NE(refused.errors.find("Прекратили запись чтобы поправить настройки (ERR 17)"),
            std::string::npos);
  EXPECT_TRUE(simulator.receivedFrames().empty());

  const CliRun accepted = RunCli(WithDevice({"write", Profile("a.prf").string(), "--yes"}));
  EXPECT_EQ(accepted.status, 0) << accepted.errors;
  EXPECT_EQ(simulator.floatParameter(2, 29), 9999.0f);
}

TEST_F(CliTest, MissingProfileIsRefusedAndNotCreated) {
  const CliRun run = RunCli(WithDevice({"write", Profile("none.prf").string()}));
  EXPECT_EQ(run.status, 14);
  EXPECT_FALSE(std::filesystem::exists(Profile("none.prf")));
  EXPECT_TRUE(simulator.receivedFrames().empty());
}

TEST_F(CliTest, SilentInstrumentExitsWithNoAnswer) {
  simulator.addFault({.kind = sim::FaultKind::Silence});
  const CliRun run = RunCli(WithDevice({"get", "2", "3", "byte"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.errors.find("Прибор не ответил (ERR 2)"), std::string::npos);
}

TEST_F(CliTest, FailedReadLeavesNoNewProfile) {
  simulator.addFault({.kind = sim::FaultKind::Silence, .space = 2, .number = 13});
  EXPECT_EQ(RunCli(WithDevice({"read", Profile("b.prf").string()})).status, 2);
  EXPECT_FALSE(std::filesystem::exists(Profile("b.prf")));
}

TEST_F(CliTest, InterruptCancelsBetweenSteps) {
  // A slow line, so that the read is still running when the interrupt comes.
  simulator.addFault({.kind = sim::FaultKind::Late, .amount = 20});
  ChildProcess child(ZORKAN_CLI_EXECUTABLE, WithDevice({"read", Profile("c.prf").string()}),
                     folder.path().string());
  ASSERT_TRUE(simulator.waitForReceivedFrames(3, 20s));
  child.signal(SIGINT);
  EXPECT_EQ(child.waitForExit(kExitWait), 20);
  EXPECT_NE(child.errorOutput().find("Ход процесса остановлен пользователем (ERR 20)"),
            std::string::npos);
  EXPECT_LT(simulator.receivedFrames().size(), 63u);
}

TEST_F(CliTest, SetAndGetOneParameter) {
  EXPECT_EQ(RunCli(WithDevice({"set", "2", "29", "float", "12.5", "--verify"})).status, 0);
  const CliRun get = RunCli(WithDevice({"get", "2", "29", "float"}));
  EXPECT_EQ(get.status, 0);
  EXPECT_EQ(get.output, "12.5\n");
  EXPECT_EQ(RunCli(WithDevice({"set", "2", "317", "byte", "0x0A"})).status, 0);
  EXPECT_EQ(simulator.byteParameter(2, 317), 10);
  simulator.addFault({.kind = sim::FaultKind::AlteredReadBack, .space = 2, .number = 317});
  EXPECT_EQ(RunCli(WithDevice({"set", "2", "317", "byte", "3", "--verify"})).status, 15);
}

TEST_F(CliTest, LivePrintsOneLinePerPoll) {
  const CliRun tabbed = RunCli(WithDevice({"live", "--count", "2"}));
  EXPECT_EQ(tabbed.status, 0) << tabbed.errors;
  EXPECT_EQ(std::count(tabbed.output.begin(), tabbed.output.end(), '\n'), 2);
  EXPECT_EQ(std::count(tabbed.output.begin(), tabbed.output.end(), '\t'), 10);
  const CliRun csv = RunCli(WithDevice({"live", "--count", "3", "--csv"}));
  EXPECT_EQ(csv.status, 0);
  EXPECT_EQ(csv.output.rfind("time,relays,channel1,status1,channel2,status2\n", 0), 0u);
  EXPECT_EQ(std::count(csv.output.begin(), csv.output.end(), '\n'), 4);
  EXPECT_NE(csv.output.find("T"), std::string::npos);
}

TEST_F(CliTest, PortNumberComesFromDevDatWithoutRewritingIt) {
  simulator.linkAt(folder / "COM2");
  const std::string devDat = "[COM_SETTINGS]\r\nNumber=2\r\n[LOG]\r\nUseLogFile=0\r\n";
  testing::WriteBytes(folder / "dev.dat", devDat);
  EXPECT_EQ(RunCli({"get", "2", "315", "byte"}).status, 0);
  EXPECT_EQ(ReadBytes(folder / "dev.dat"), devDat);
  EXPECT_FALSE(std::filesystem::exists(folder / "COM.txt"));
  EXPECT_EQ(RunCli({"get", "2", "315", "byte", "--log", "x.txt"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "x.txt"));
}

TEST_F(CliTest, WrongCommandLinesAreUsageErrors) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"fly"},
                                             {"get", "3", "1", "byte"},
                                             {"get", "2", "8192", "byte"},
                                             {"set", "2", "1", "byte", "256"},
                                             {"set", "2", "1", "float", "1,5"},
                                             {"read"},
                                             {"write", "a.prf", "--verify"},
                                             {"live", "--count", "0"},
                                             {"get", "2", "1", "byte", "--baud", "1200"}}) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 64) << ::testing::PrintToString(arguments);
    EXPECT_FALSE(run.errors.empty());
  }
  const CliRun help = RunCli({"write", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--yes"), std::string::npos);
  EXPECT_NE(help.output.find("--device PATH"), std::string::npos);
}

}  // namespace
}  // namespace zorkan
