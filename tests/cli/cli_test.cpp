// zorkan-cli as a script runs it: a child process in its own working folder, talking to the
// simulator over a pty.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "cli/command_line.h"
#include "cli/command_table.h"
#include "ini/ini_file.h"
#include "link/frame.h"
#include "profiles/profile.h"
#include "profiles/profile_difference.h"
#include "profiles/profile_document.h"
#include "sim/fault_text.h"
#include "sim/simulator.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using testing::ChildProcess;
using testing::ReadBytes;
using testing::ScratchFolder;

constexpr auto kExitWait = 60s;

// One JSON object, strictly parsed, or a failure naming what was printed.
QJsonObject JsonObjectOf(const std::string& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError)
      << error.errorString().toStdString() << ": " << text;
  EXPECT_TRUE(document.isObject()) << text;
  return document.object();
}

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

// The arguments after each command's words with which it would reach the instrument, given the
// profile a.prf and journal entry 1; nullopt for a command that opens no port.
const std::map<std::string, std::optional<std::vector<std::string>>> kPortArguments{
    {"read", std::vector<std::string>{"b.prf"}},
    {"write", std::vector<std::string>{"a.prf"}},
    {"get", std::vector<std::string>{"2", "29", "float"}},
    {"set", std::vector<std::string>{"2", "29", "float", "150"}},
    {"live", std::vector<std::string>{"--count", "1"}},
    {"scan", std::vector<std::string>{"--addresses", "1"}},
    {"diff", std::vector<std::string>{"a.prf"}},
    {"publish", std::vector<std::string>{"--broker", "127.0.0.1:1", "--count", "1"}},
    {"journal", std::nullopt},
    {"journal diff", std::vector<std::string>{"1"}},
    {"tune", std::vector<std::string>{"--setpoint", "150", "--max-temperature", "250"}},
};

// A script must tell a missing or busy adapter from a silent instrument: the port that cannot be
// opened has a status of its own for every command that opens one, the lines of instruments
// included, names the device and leaves nothing behind; a silent instrument is ERR 2.
TEST_F(CliTest, PortThatCannotBeOpenedIsToldApartFromASilentInstrument) {
  ASSERT_EQ(RunCli(WithDevice({"read", "a.prf"})).status, 0);
  const std::string missing = (folder / "no-adapter").string();
  const std::string unopened = "cannot open the serial port " + missing + ": ";
  std::vector<std::vector<std::string>> lines;
  for (const cli::CommandRow& row : cli::Commands()) {
    const std::string words =
        std::string(row.name) + (row.subcommand.empty() ? "" : " " + std::string(row.subcommand));
    const auto arguments = kPortArguments.find(words);
    ASSERT_NE(arguments, kPortArguments.end()) << "no command line for " << words;
    if (!arguments->second) continue;
    std::vector<std::string> line{std::string(row.name)};
    if (!row.subcommand.empty()) line.emplace_back(row.subcommand);
    line.insert(line.end(), arguments->second->begin(), arguments->second->end());
    lines.push_back(line);
  }
  lines.push_back({"read", "--addresses", "1,2", "line"});
  lines.push_back({"write", "a.prf", "--addresses", "1,2"});
  const std::vector<std::string> before = folder.entries();
  for (std::vector<std::string> line : lines) {
    line.insert(line.end(), {"--device", missing});
    const CliRun run = RunCli(line);
    EXPECT_EQ(run.status, 69) << ::testing::PrintToString(line) << run.errors;
    EXPECT_NE(run.errors.find(unopened), std::string::npos) << run.errors;
  }
  EXPECT_EQ(folder.entries(), before);

  testing::WriteBytes(folder / "dev.dat", "[COM_SETTINGS]\r\nNumber=9\r\n");
  const CliRun noPort = RunCli({"get", "2", "29", "float"});
  EXPECT_EQ(noPort.status, 69);
  EXPECT_NE(noPort.errors.find("no port 9"), std::string::npos) << noPort.errors;

  simulator.addFault({.kind = sim::FaultKind::Silence});
  const CliRun silent = RunCli(WithDevice({"get", "2", "3", "byte"}));
  EXPECT_EQ(silent.status, 2);
  EXPECT_EQ(silent.errors,
            "zorkan-cli: the instrument did not answer (\"Прибор не ответил (ERR 2)\")\n");
}

// A script must never find a new profile that looks read but holds defaults or half a read; once
// the read has succeeded, the profile holds what loading the default profile and saving the read
// over it gives.
TEST_F(CliTest, NewProfileAppearsOnlyAfterTheReadSucceeds) {
  simulator.addFault({.kind = sim::FaultKind::NoiseBefore, .space = 2, .number = 13, .amount = 70});
  EXPECT_EQ(RunCli(WithDevice({"read", Profile("b.prf").string()})).status, 1);
  EXPECT_FALSE(std::filesystem::exists(Profile("b.prf")));

  simulator.clearFaults();
  simulator.addFault({.kind = sim::FaultKind::Late, .amount = 20});
  {
    ChildProcess child(ZORKAN_CLI_EXECUTABLE, WithDevice({"read", Profile("b.prf").string()}),
                       folder.path().string());
    ASSERT_TRUE(simulator.waitForReceivedFrames(3, 20s));
    child.signal(SIGKILL);
    child.waitForExit(kExitWait);
  }
  EXPECT_FALSE(std::filesystem::exists(Profile("b.prf")));

  simulator.clearFaults();
  simulator.setFloatParameter(2, 29, 123.5f);
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("b.prf").string()})).status, 0);
  DeviceSettings read;
  ASSERT_TRUE(LoadProfile(Profile("b.prf"), read));
  EXPECT_EQ(read.channels[0].setpoint1, 123.5f);
  DeviceSettings defaults;
  ASSERT_TRUE(LoadProfile(Profile("expected.prf"), defaults));
  ASSERT_TRUE(SaveProfile(Profile("expected.prf"), read));
  EXPECT_EQ(ReadBytes(Profile("b.prf")), ReadBytes(Profile("expected.prf")));
}

// A path the file system cannot follow is refused with the path and the reason on one line, before
// anything reaches the instrument; none aborts the program.
TEST_F(CliTest, UnusablePathsAreRefusedWithTheirReason) {
  std::filesystem::create_symlink("loop.prf", Profile("loop.prf"));
  testing::WriteBytes(Profile("file.txt"), "[CH1]\r\n");
  const auto reason = [](std::errc code) { return std::make_error_code(code).message(); };
  const struct {
    std::filesystem::path path;
    std::string reason;
  } cases[] = {
      {Profile("loop.prf"), reason(std::errc::too_many_symbolic_link_levels)},
      {Profile(std::string(300, 'n') + ".prf"), reason(std::errc::filename_too_long)},
      {Profile("file.txt") / "a.prf", reason(std::errc::not_a_directory)},
      {Profile("missing") / "a.prf", reason(std::errc::no_such_file_or_directory)},
      {folder.path(), "not a regular file"},
  };
  for (const char* command : {"read", "write"}) {
    for (const auto& c : cases) {
      const CliRun run = RunCli(WithDevice({command, c.path.string()}));
      EXPECT_EQ(run.status, 14) << command << " " << c.path;
      EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
      EXPECT_EQ(run.errors.rfind("zorkan-cli: " + c.path.parent_path().string(), 0), 0u)
          << run.errors;
      EXPECT_NE(run.errors.find(c.reason), std::string::npos) << run.errors;
    }
  }
  EXPECT_TRUE(simulator.receivedFrames().empty());
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"file.txt", "loop.prf"}));

  std::filesystem::create_directory(folder / "gone");
  ChildProcess child("/bin/sh",
                     {"-c", "cd gone && rmdir ../gone && exec \"$0\" read a.prf --device \"$1\"",
                      ZORKAN_CLI_EXECUTABLE, simulator.devicePath()},
                     folder.path().string());
  EXPECT_EQ(child.waitForExit(kExitWait), 14);
  const std::string errors = child.errorOutput();
  EXPECT_NE(errors.find("gone (deleted): " + reason(std::errc::no_such_file_or_directory)),
            std::string::npos)
      << errors;
}

TEST_F(CliTest, FolderThatMayNotBeEnteredIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "root enters every folder";
  std::filesystem::create_directory(folder / "closed");
  testing::WriteBytes(folder / "closed" / "a.prf", "[CH1]\r\n");
  std::filesystem::permissions(folder / "closed", std::filesystem::perms::none);
  for (const char* command : {"read", "write"}) {
    const CliRun run = RunCli(WithDevice({command, (folder / "closed" / "a.prf").string()}));
    EXPECT_EQ(run.status, 14);
    EXPECT_NE(run.errors.find(std::make_error_code(std::errc::permission_denied).message()),
              std::string::npos)
        << run.errors;
  }
  EXPECT_TRUE(simulator.receivedFrames().empty());
}

// Nobody looks at a scripted write: a file without a single profile section (empty, binary,
// another program's) would give the instrument the defaults, so it is refused. A read-only profile
// is a profile all the same, loaded whole.
TEST_F(CliTest, WriteRefusesFilesThatHoldNoProfile) {
  testing::WriteBytes(Profile("empty.prf"), "");
  testing::WriteBytes(Profile("binary.prf"), "\177ELF\x02\x01\0\0[x]\r\nk=1"s);
  testing::WriteBytes(Profile("other.ini"), "[Settings]\r\nth1=5\r\n[CH3]\r\n[Dat_bound25]\r\n");
  for (const char* name : {"empty.prf", "binary.prf", "other.ini"}) {
    const CliRun run = RunCli(WithDevice({"write", Profile(name).string(), "--yes"}));
    EXPECT_EQ(run.status, 14) << name;
    EXPECT_NE(run.errors.find(Profile(name).string()), std::string::npos) << run.errors;
  }
  EXPECT_TRUE(simulator.receivedFrames().empty());

  // Names compare as the accessor compares them: a profile, though one without a single setting a
  // write sends; taken knowingly, its defaults are what the checks then stop.
  testing::WriteBytes(Profile("grad.prf"), " [ grad ]\r\n");
  EXPECT_EQ(RunCli(WithDevice({"write", Profile("grad.prf").string()})).status, 14);
  EXPECT_EQ(RunCli(WithDevice({"write", Profile("grad.prf").string(), "--take-defaults"})).status,
            17);
  EXPECT_TRUE(simulator.receivedFrames().empty());

  ASSERT_EQ(RunCli(WithDevice({"read", Profile("locked.prf").string()})).status, 0);
  const std::string locked = ReadBytes(Profile("locked.prf"));
  std::filesystem::permissions(Profile("locked.prf"), std::filesystem::perms::owner_read);
  const CliRun run = RunCli(WithDevice({"write", Profile("locked.prf").string()}));
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(ReadBytes(Profile("locked.prf")), locked);
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

// A service manager stops a program with SIGTERM: in the middle of the experiment the heater,
// under manual PWM, goes back to the instrument's own regulation before the run ends.
TEST_F(CliTest, SigtermMidExperimentGivesTheInstrumentItsRegulationBack) {
  ChildProcess child(ZORKAN_CLI_EXECUTABLE,
                     WithDevice({"tune", "--setpoint", "150", "--max-temperature", "250"}),
                     folder.path().string());
  ASSERT_EQ(child.readErrorLine(20s), "zorkan-cli: step \"Настройка регулятора: Измерение шума\"");
  EXPECT_EQ(simulator.byteParameter(1, 17), 1) << "the heater under manual PWM";
  child.signal(SIGTERM);
  EXPECT_EQ(child.waitForExit(kExitWait), 20);
  EXPECT_EQ(simulator.byteParameter(1, 17), 0);
  EXPECT_EQ(simulator.floatParameter(2, 30), 10.0f) << "Kp as it was";
  EXPECT_NE(child.errorOutput().find("Опыт прерван оператором. Ручное управление ШИМ выключено"),
            std::string::npos)
      << child.errorOutput();
  EXPECT_EQ(child.output(), "") << "no model without an experiment";
}

// The instrument still owes both attempts' answers when the run that asked gives up; however that
// run ends, the next one must not take them for its own. One instrument for each way of ending, so
// that the three runs wait out their answers at the same time.
TEST_F(CliTest, AnswerOwedToOneRunNeverReachesTheNext) {
  struct Ending {
    int signal = 0;
    sim::Simulator instrument{{.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0}};
    std::unique_ptr<ChildProcess> owed{};
  };
  Ending endings[] = {{.signal = 0}, {.signal = SIGINT}, {.signal = SIGTERM}};
  for (Ending& ending : endings) {
    ending.instrument.setFloatParameter(2, 29, 150.0f);
    ending.instrument.setFloatParameter(2, 30, 25.5f);
    ending.instrument.addFault(
        {.kind = sim::FaultKind::Late, .space = 2, .number = 29, .amount = 2500, .times = 2});
    ending.owed = std::make_unique<ChildProcess>(
        ZORKAN_CLI_EXECUTABLE,
        std::vector<std::string>{"get", "2", "29", "float", "--device",
                                 ending.instrument.devicePath()},
        folder.path().string());
  }
  for (Ending& ending : endings) {
    if (ending.signal == 0) continue;
    ASSERT_TRUE(ending.instrument.waitForReceivedFrames(1, 20s));
    ending.owed->signal(ending.signal);
  }
  for (Ending& ending : endings) {
    EXPECT_EQ(ending.owed->waitForExit(kExitWait), 2) << ending.signal;
    EXPECT_NE(ending.owed->errorOutput().find("Прибор не ответил (ERR 2)"), std::string::npos)
        << ending.signal;
    const CliRun next =
        RunCli({"get", "2", "30", "float", "--device", ending.instrument.devicePath()});
    EXPECT_EQ(next.status, 0) << ending.signal << next.errors;
    EXPECT_EQ(next.output, "25.5\n") << ending.signal;
  }
}

// One device, two names: the simulator's pty and a COMn link to it. Root passes the kernel's
// exclusive mode, so only a lock on the device itself keeps the second program out.
TEST_F(CliTest, SecondProgramOnTheSameDeviceIsRefused) {
  std::filesystem::create_symlink(simulator.devicePath(), folder / "COM1");
  std::vector<std::vector<std::string>> users{{}};
  if (geteuid() == 0) {
    // The same again as an ordinary user, who may use the device and the folder.
    users.push_back({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    std::filesystem::permissions(simulator.devicePath(), std::filesystem::perms::all);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
  }
  const auto command = [&](const std::vector<std::string>& user, std::vector<std::string> cli) {
    std::vector<std::string> line = user;
    line.push_back(ZORKAN_CLI_EXECUTABLE);
    line.insert(line.end(), cli.begin(), cli.end());
    return line;
  };
  for (const auto& user : users) {
    simulator.clearReceivedFrames();
    // The first program holds the port until it is stopped.
    const std::vector<std::string> first = command(user, WithDevice({"live"}));
    ChildProcess holder(first.front(), {first.begin() + 1, first.end()}, folder.path().string());
    ASSERT_TRUE(simulator.waitForReceivedFrames(1, 20s));
    const std::vector<std::string> second =
        command(user, {"get", "2", "30", "float", "--port", "1"});
    ChildProcess other(second.front(), {second.begin() + 1, second.end()}, folder.path().string());
    EXPECT_EQ(other.waitForExit(kExitWait), 69) << user.size();
    EXPECT_NE(other.errorOutput().find("(\"Невозможно открыть последовательный порт\")"),
              std::string::npos)
        << other.errorOutput();
    holder.signal(SIGINT);
    EXPECT_EQ(holder.waitForExit(kExitWait), 0) << holder.errorOutput();
    const std::vector<std::string> heard = simulator.receivedFrames();
    EXPECT_EQ(std::ranges::count(heard, CompleteFrame(":1;37;00801E;")), 0) << "the other's get";
  }
}

// Killed at its first flock, the one on the lock file Qt has just made for the port, a program
// leaves the file empty, before it could write its process number into it; every program after
// it was refused the port for some 30 s. The lock on the device went with the killed program, and
// the next one gets the port at once.
TEST_F(CliTest, ProgramKilledWhileOpeningThePortLocksNobodyOut) {
  std::filesystem::create_symlink(simulator.devicePath(), folder / "COM1");
  const std::vector<std::string> get{ZORKAN_CLI_EXECUTABLE, "get", "2", "29", "float"};
  std::vector<std::string> killed{
      "-f", "-o", "/dev/null", "-e", "trace=flock", "-e", "inject=flock:signal=SIGKILL:when=1"};
  killed.insert(killed.end(), get.begin(), get.end());
  ChildProcess strace("/usr/bin/strace", killed, folder.path().string());
  ASSERT_FALSE(strace.waitForExit(kExitWait)) << "not killed: " << strace.errorOutput();
  // Qt names the file after the port's path, which the scratch folder's name makes unique.
  const std::string ending = folder.path().filename().string() + "_COM1";
  std::vector<std::filesystem::path> left;
  for (const char* locks : {"/run/lock", "/tmp"}) {
    for (const auto& item : std::filesystem::directory_iterator(locks)) {
      if (item.path().filename().string().ends_with(ending)) left.push_back(item.path());
    }
  }
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(std::filesystem::file_size(left.front()), 0u);

  const CliRun next = RunCli({"get", "2", "29", "float"});
  EXPECT_EQ(next.status, 0) << next.errors;
  EXPECT_EQ(next.output, "150\n");
  EXPECT_FALSE(std::filesystem::exists(left.front())) << "the next program took it over";
}

TEST_F(CliTest, UnreadableDevDatIsNamedNotSilentlyReplaced) {
  std::filesystem::create_directory(folder / "dev.dat");
  const CliRun run = RunCli(WithDevice({"get", "2", "29", "float"}));
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_NE(run.errors.find("dev.dat"), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("defaults"), std::string::npos) << run.errors;
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

// Each command's --json is one object (live's one a line) holding what its lines hold.
TEST_F(CliTest, JsonOutputsParseAndHoldTheValues) {
  const CliRun get = RunCli(WithDevice({"get", "2", "29", "float", "--json"}));
  ASSERT_EQ(get.status, 0) << get.errors;
  EXPECT_EQ(JsonObjectOf(get.output),
            (QJsonObject{{"space", 2}, {"number", 29}, {"type", "float"}, {"value", 150}}));

  ASSERT_EQ(RunCli(WithDevice({"read", Profile("a.prf").string()})).status, 0);
  ASSERT_TRUE(IniFile(Profile("a.prf")).writeText("CH1", "th1", "160"));
  const CliRun diff = RunCli(WithDevice({"diff", Profile("a.prf").string(), "--json"}));
  EXPECT_EQ(diff.status, 30) << diff.errors;
  EXPECT_EQ(JsonObjectOf(diff.output)["differences"].toArray(),
            (QJsonArray{QJsonObject{{"section", "CH1"},
                                    {"key", "th1"},
                                    {"instrument", "150.0000"},
                                    {"profile", "160.0000"},
                                    {"caption", "Регулируемое значение"}}}));

  ASSERT_EQ(RunCli(WithDevice({"set", "2", "30", "float", "7.25"})).status, 0);
  const CliRun journal = RunCli({"journal", "--json"});
  ASSERT_EQ(journal.status, 0) << journal.errors;
  const QJsonArray entries = JsonObjectOf(journal.output)["entries"].toArray();
  ASSERT_EQ(entries.size(), 2) << journal.output;
  EXPECT_EQ(entries[0]["action"].toString(), "set");
  EXPECT_EQ(entries[0]["parameter"].toObject(),
            (QJsonObject{{"space", 2}, {"number", 30}, {"type", "float"}, {"value", 7.25}}));
  EXPECT_TRUE(entries[0]["serialNumber"].isNull());
  EXPECT_EQ(entries[1]["serialNumber"].toInt(), 12345);
  EXPECT_EQ(entries[1]["serialSource"].toString(), "instrument");
  EXPECT_TRUE(std::filesystem::exists(folder / entries[1]["file"].toString().toStdString()));
  const CliRun entryDiff = RunCli(WithDevice({"journal", "diff", "1", "--json"}));
  EXPECT_EQ(entryDiff.status, 30) << entryDiff.errors;
  EXPECT_EQ(JsonObjectOf(entryDiff.output)["differences"][0]["instrument"].toString(), "7.2500");

  const CliRun live = RunCli(WithDevice({"live", "--count", "3", "--json"}));
  ASSERT_EQ(live.status, 0) << live.errors;
  std::size_t lines = 0;
  for (std::size_t begin = 0; begin < live.output.size(); ++lines) {
    const std::size_t end = live.output.find('\n', begin);
    ASSERT_NE(end, std::string::npos) << live.output;
    const QJsonObject poll = JsonObjectOf(live.output.substr(begin, end - begin));
    EXPECT_EQ(poll["result"].toInt(-1), 0);
    EXPECT_TRUE(poll["channel1"]["value"].isDouble()) << live.output;
    EXPECT_EQ(poll["channel2"]["statusText"].toString(), "Нормальное измерение");
    begin = end + 1;
  }
  EXPECT_EQ(lines, 3u);
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
  // Polls 500 ms apart: whole seconds would give two of them one stamp.
  const std::regex stamp(R"(\n(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}[+-]\d\d:\d\d),)");
  std::set<std::string> stamps;
  for (auto at = std::sregex_iterator(csv.output.begin(), csv.output.end(), stamp);
       at != std::sregex_iterator(); ++at) {
    stamps.insert((*at)[1]);
  }
  EXPECT_EQ(stamps.size(), 3u) << csv.output;
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

// What the parser refuses (tests/cli/command_table_test.cpp has them all) ends the program with
// the usage status and its reason, before the device is opened.
TEST_F(CliTest, WrongCommandLinesAreUsageErrors) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{}, {"fly"}, WithDevice({"get", "3", "1", "byte"})}) {
    const CliRun run = RunCli(arguments);
    EXPECT_EQ(run.status, 64) << ::testing::PrintToString(arguments);
    EXPECT_FALSE(run.errors.empty());
  }
  const CliRun help = RunCli({"write", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--yes"), std::string::npos);
  EXPECT_NE(help.output.find("--device PATH"), std::string::npos);
  const CliRun scanHelp = RunCli({"scan", "--help"});
  EXPECT_NE(scanHelp.output.find("default 1-32"), std::string::npos);
  EXPECT_EQ(scanHelp.output.find('{'), std::string::npos) << scanHelp.output;
  EXPECT_TRUE(simulator.receivedFrames().empty());
}

// dev.dat's defaults (address 1, 9600 baud) miss the instrument; the search finds it, and only at
// its own rate.
TEST_F(CliTest, ScanFindsTheInstrumentAtItsAddressAndRate) {
  sim::Simulator instrument{{.networkAddress = 7, .baudRate = 19200, .turnaroundMs = 0}};
  const std::vector<std::string> scan{"scan", "--addresses", "6-8", "--device",
                                      instrument.devicePath()};
  std::vector<std::string> everyRate = scan;
  everyRate.insert(everyRate.end(), {"--baud", "all"});
  const CliRun found = RunCli(everyRate);
  EXPECT_EQ(found.status, 0) << found.errors;
  EXPECT_EQ(found.output, "7\t19200\t12351\t740 НР Одноканальн. ПИД регул.\t1.1.2\n");

  const CliRun missed = RunCli(scan);
  EXPECT_EQ(missed.status, 2);
  EXPECT_EQ(missed.output, "");
  EXPECT_NE(missed.errors.find("Прибор не ответил (ERR 2)"), std::string::npos);
}

TEST_F(CliTest, DiffPrintsOneLinePerDifferingSettingAndWritesNothing) {
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("a.prf").string()})).status, 0);
  const CliRun equal = RunCli(WithDevice({"diff", Profile("a.prf").string()}));
  EXPECT_EQ(equal.status, 0) << equal.errors;
  EXPECT_EQ(equal.output, "");

  ASSERT_TRUE(IniFile(Profile("a.prf")).writeReal("CH1", "th1", 160.0));
  const std::string edited = ReadBytes(Profile("a.prf"));
  simulator.clearReceivedFrames();
  const CliRun differs = RunCli(WithDevice({"diff", Profile("a.prf").string()}));
  EXPECT_EQ(differs.status, 30) << differs.errors;
  EXPECT_EQ(differs.output, "CH1 th1\t150.0000\t160.0000\tРегулируемое значение\n");
  EXPECT_EQ(ReadBytes(Profile("a.prf")), edited);
  for (const std::string& frame : simulator.receivedFrames()) {
    EXPECT_NE(frame.find(";37;"), std::string::npos) << "not a read: " << frame;
  }
  EXPECT_EQ(RunCli(WithDevice({"diff", Profile("none.prf").string()})).status, 14);
}

// A line of three instruments, as commissioning meets it: the scan tells them apart, a read gives
// each its own profile, and a write with one of them failing writes the other two.
TEST_F(CliTest, LineOfInstrumentsIsScannedReadAndWrittenInstrumentByInstrument) {
  sim::Simulator line{
      {.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0, .moreAddresses = {2, 3, 3, 7}}};
  const auto onLine = [&](std::vector<std::string> arguments) {
    arguments.insert(arguments.end(), {"--device", line.devicePath()});
    return RunCli(arguments);
  };
  const CliRun scan = onLine({"scan", "--addresses", "1-8"});
  EXPECT_EQ(scan.status, 0) << scan.errors;
  EXPECT_EQ(scan.output,
            "1\t9600\t12345\t740 НР Одноканальн. ПИД регул.\t1.1.2\n"
            "2\t9600\t12346\t740 НР Одноканальн. ПИД регул.\t1.1.2\n"
            "7\t9600\t12351\t740 НР Одноканальн. ПИД регул.\t1.1.2\n");
  EXPECT_NE(scan.errors.find("Возможно, несколько приборов на адресе 3"), std::string::npos)
      << scan.errors;

  const CliRun json = onLine({"scan", "--addresses", "1-8", "--json"});
  EXPECT_EQ(json.status, 0) << json.errors;
  const QJsonObject found = JsonObjectOf(json.output);
  EXPECT_EQ(found["instruments"].toArray().size(), 3);
  EXPECT_EQ(found["instruments"][2]["serialNumber"].toInt(), 12351);
  EXPECT_EQ(found["instruments"][2]["deviceType"].toString(), "740 НР Одноканальн. ПИД регул.");
  EXPECT_EQ(found["probableDuplicates"][0]["address"].toInt(), 3);

  // The folder of the profiles is made when missing.
  line.instrument(7).setFloatParameter(2, 29, 321.5f);
  const CliRun read = onLine({"read", "--addresses", "1,2,7", (folder / "line").string()});
  ASSERT_EQ(read.status, 0) << read.errors;
  const std::string profiles = (folder / "line").string();
  EXPECT_EQ(read.output, "1\t12345\t" + profiles + "/12345.prf\n" +      //
                             "2\t12346\t" + profiles + "/12346.prf\n" +  //
                             "7\t12351\t" + profiles + "/12351.prf\n");
  DeviceSettings first;
  DeviceSettings second;
  DeviceSettings seventh;
  ASSERT_TRUE(LoadProfile(folder / "line" / "12345.prf", first));
  ASSERT_TRUE(LoadProfile(folder / "line" / "12346.prf", second));
  ASSERT_TRUE(LoadProfile(folder / "line" / "12351.prf", seventh));
  EXPECT_EQ(first, second);
  EXPECT_EQ(DifferingProfileKeys(first, seventh),
            (std::vector<ProfileKeyDifference>{{"CH1", "th1", "150.0000", "321.5000"}}));

  // Too noisy to be read at all, and fast to fail: the workflow's own test has a silent one.
  line.addFault(*sim::ParseFault("2/noise-before=70"));
  const CliRun write =
      onLine({"write", (folder / "line" / "12351.prf").string(), "--addresses", "1,2,7", "--yes"});
  EXPECT_EQ(write.status, 1) << write.errors;
  EXPECT_EQ(write.output,
            "1\t12345\twritten\n"
            "2\t-\ttoo many characters (\"Слишком много символов  (ERR 1)\")\n"
            "7\t12351\twritten\n");
  EXPECT_EQ(line.instrument(1).floatParameter(2, 29), 321.5f);
  EXPECT_EQ(line.instrument(2).floatParameter(2, 29), 150.0f);
}

// The tab-separated columns of each line.
std::vector<std::vector<std::string>> Columns(const std::string& output) {
  std::vector<std::vector<std::string>> lines;
  for (std::size_t begin = 0; begin < output.size();) {
    const std::size_t end = output.find('\n', begin);
    std::vector<std::string>& columns = lines.emplace_back();
    for (std::size_t cell = begin;;) {
      const std::size_t tab = output.find('\t', cell);
      if (tab == std::string::npos || tab > end) {
        columns.push_back(output.substr(cell, end - cell));
        break;
      }
      columns.push_back(output.substr(cell, tab - cell));
      cell = tab + 1;
    }
    begin = end + 1;
  }
  return lines;
}

// A read, a write of one changed value and a set each leave an entry; journal lists them newest
// first, journal diff names the changed key, and a write of the read's entry, which the tool
// must take as a profile and leave as it is, puts the old value back.
TEST_F(CliTest, JournalKeepsEveryExchangeAndItsReadWritesBack) {
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("a.prf").string()})).status, 0);
  IniDocument readProfile = *IniFile(Profile("a.prf")).readDocument();
  ASSERT_TRUE(IniFile(Profile("a.prf")).writeReal("CH1", "th1", 160.0));
  ASSERT_EQ(RunCli(WithDevice({"write", Profile("a.prf").string()})).status, 0);
  ASSERT_EQ(RunCli(WithDevice({"set", "2", "30", "float", "7.25"})).status, 0);

  const CliRun listed = RunCli({"journal"});
  ASSERT_EQ(listed.status, 0) << listed.errors;
  const auto lines = Columns(listed.output);
  ASSERT_EQ(lines.size(), 3u) << listed.output;
  EXPECT_EQ(lines[0][0], "3");
  EXPECT_EQ((std::vector<std::string>(lines[0].begin() + 2, lines[0].end())),
            (std::vector<std::string>{"set", "0", "-", lines[0][5], "2 30 float 7.25"}));
  EXPECT_EQ(lines[1][2] + " " + lines[1][3] + " " + lines[1][4], "write 0 0 pages");
  EXPECT_EQ(lines[2][2] + " " + lines[2][3] + " " + lines[2][4], "read 0 12345 instrument");
  EXPECT_EQ(Columns(RunCli({"journal", "--serial", "12345"}).output).size(), 1u);

  const std::string readEntry = lines[2][5];
  DeviceSettings read;
  DeviceSettings recorded;
  LoadProfileFrom(readProfile, read);
  ASSERT_TRUE(LoadProfile(folder / readEntry, recorded));
  EXPECT_EQ(DifferingProfileKeys(read, recorded), std::vector<ProfileKeyDifference>{});
  const CliRun differs = RunCli({"journal", "diff", "1", lines[1][5]});
  EXPECT_EQ(differs.status, 30) << differs.errors;
  EXPECT_EQ(differs.output, "CH1 th1\t150.0000\t160.0000\tРегулируемое значение\n");

  const std::string entryBytes = ReadBytes(folder / readEntry);
  const CliRun restored = RunCli(WithDevice({"write", readEntry}));
  EXPECT_EQ(restored.status, 0) << restored.errors;
  EXPECT_EQ(simulator.floatParameter(2, 29), 150.0f);
  EXPECT_EQ(ReadBytes(folder / readEntry), entryBytes);
  const CliRun same = RunCli(WithDevice({"journal", "diff", "1"}));
  EXPECT_EQ(same.status, 0) << same.output << same.errors;
  EXPECT_EQ(Columns(RunCli({"journal", "--last", "1"}).output)[0][0], "4");
}

// A profile cut in the middle of [CH2] would switch channel 2 off and reset its setpoints: the
// write refuses it, and diff and journal diff, which showed the defaults as its values, refuse it
// as the write does. None of them asks the instrument anything; the write sends it only with the
// defaults taken knowingly.
TEST_F(CliTest, CutProfileIsUsedOnlyWithTheDefaultsTakenKnowingly) {
  ASSERT_EQ(RunCli(WithDevice({"read", Profile("whole.prf").string()})).status, 0);
  const auto cutAtSecondChannel = [](const std::filesystem::path& path) {
    const std::string bytes = ReadBytes(path);
    testing::WriteBytes(path, bytes.substr(0, bytes.find("th1", bytes.find("[CH2]"))));
  };
  std::filesystem::copy_file(Profile("whole.prf"), Profile("cut.prf"));
  cutAtSecondChannel(Profile("cut.prf"));
  const std::filesystem::path entry = folder / Columns(RunCli({"journal"}).output)[0][5];
  std::filesystem::permissions(entry, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  cutAtSecondChannel(entry);
  simulator.clearReceivedFrames();

  const CliRun write = RunCli(WithDevice({"write", Profile("cut.prf").string(), "--yes"}));
  ASSERT_EQ(write.status, 14);
  const std::string missing =
      write.errors.substr(0, write.errors.find("; --take-defaults writes their defaults"));
  const std::string reason = missing.substr(missing.find(": ", missing.find("cut.prf")));
  EXPECT_NE(reason.find("CH2 th1"), std::string::npos) << reason;
  const CliRun diff = RunCli(WithDevice({"diff", Profile("cut.prf").string()}));
  EXPECT_EQ(diff.status, 14);
  EXPECT_EQ(diff.errors, missing + "\n");
  for (const std::vector<std::string>& journalDiff : std::vector<std::vector<std::string>>{
           {"journal", "diff", "1"}, {"journal", "diff", "1", "1"}}) {
    const CliRun run = RunCli(WithDevice(journalDiff));
    EXPECT_EQ(run.status, 14) << journalDiff.size();
    EXPECT_EQ(run.errors, "zorkan-cli: " + entry.string() + reason + "\n");
  }
  EXPECT_TRUE(simulator.receivedFrames().empty());
  const CliRun taken =
      RunCli(WithDevice({"write", Profile("cut.prf").string(), "--yes", "--take-defaults"}));
  EXPECT_EQ(taken.status, 0) << taken.errors;
}

// As root no permission refuses a write: a file where the folder would be does, for root too.
TEST_F(CliTest, UnwritableJournalIsOneLineAndTheReadStillSucceeds) {
  testing::WriteBytes(folder / "journal", "");
  const CliRun run = RunCli(WithDevice({"read", Profile("a.prf").string()}));
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(std::filesystem::exists(Profile("a.prf")));
  EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
  EXPECT_NE(run.errors.find("Журнал настроек не ведётся: Unable to write to"), std::string::npos)
      << run.errors;
}

// Past a file size limit, a write that would cross it killed read, write and set with SIGXFSZ
// once their exchange was done, the read's profile unsaved. Here the journal's index and the
// exchange log are past the limit already, the entries and the profile are not.
TEST_F(CliTest, FileSizeLimitFailsWritesWithoutKillingTheRun) {
  std::filesystem::create_directory(folder / "journal");
  std::string comments;
  while (comments.size() < 18'000) comments += "# written by hand\r\n";
  testing::WriteBytes(folder / "journal" / "index.txt", comments);
  testing::WriteBytes(folder / "COM.txt", std::string(9'000, '.'));
  for (const std::vector<std::string>& command : std::vector<std::vector<std::string>>{
           {"read", "a.prf"}, {"set", "2", "29", "float", "150"}, {"write", "a.prf"}}) {
    std::vector<std::string> limited{"-c", "ulimit -f 8 && exec \"$0\" \"$@\"",
                                     ZORKAN_CLI_EXECUTABLE};
    for (const std::string& argument : WithDevice(command)) limited.push_back(argument);
    limited.insert(limited.end(), {"--log", "COM.txt"});
    ChildProcess child("/bin/bash", limited, folder.path().string());
    EXPECT_EQ(child.waitForExit(kExitWait), 0) << command.front() << ": " << child.errorOutput();
  }
  EXPECT_TRUE(std::filesystem::exists(Profile("a.prf")));
  EXPECT_EQ(Columns(RunCli({"journal"}).output).size(), 3u);
}

// One list parser for every command's --addresses: lists, ranges and mixes; scan's one range, of
// no more addresses than a line holds either.
TEST(CommandLine, AddressListsAreParsedOnceForEveryCommand) {
  const auto publish = [](const std::string& list) {
    return cli::ParseCommandLine({"publish", "--broker", "[::1]:1884", "--addresses", list});
  };
  const auto parsed = publish("1-3,7,2");
  ASSERT_TRUE(std::holds_alternative<cli::CommandLine>(parsed));
  const auto& command = std::get<cli::PublishCommand>(std::get<cli::CommandLine>(parsed).command);
  EXPECT_EQ(command.addresses, (std::vector<std::uint32_t>{1, 2, 3, 7}));
  EXPECT_EQ(command.brokerHost, "::1");
  EXPECT_EQ(command.brokerPort, 1884);
  for (const char* wrong : {"3-1", "1,,2", "1,", "a", "0-4294967295", "1-2-3"}) {
    EXPECT_TRUE(std::holds_alternative<cli::UsageError>(publish(wrong))) << wrong;
  }
  for (const std::vector<std::string>& wrong :
       std::vector<std::vector<std::string>>{{"publish"},
                                             {"publish", "--broker", "host:0"},
                                             {"publish", "--broker", "::1"},
                                             {"publish", "--broker", "host", "--topic", "plant/#"},
                                             {"scan", "--addresses", "1,2"},
                                             {"scan", "--addresses", "1-4294967295"},
                                             {"scan", "--addresses", "1-257"}}) {
    EXPECT_TRUE(std::holds_alternative<cli::UsageError>(cli::ParseCommandLine(wrong)))
        << ::testing::PrintToString(wrong);
  }
  const auto scan = cli::ParseCommandLine({"scan", "--addresses", "4-259"});
  const auto& range = std::get<cli::ScanCommand>(std::get<cli::CommandLine>(scan).command);
  EXPECT_EQ(range.firstAddress, 4u);
  EXPECT_EQ(range.lastAddress, 259u);
}

}  // namespace
}  // namespace zorkan
