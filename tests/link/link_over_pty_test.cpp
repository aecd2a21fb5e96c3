// Transactions through the real serial-port adapter over a pty, with the simulator behind it: what
// only a real port can get wrong. The link's other behaviour is tested on virtual time, since here
// every silent attempt costs a whole reply limit of real time.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <memory>
#include <thread>

#include "link/device_link.h"
#include "link/frame.h"
#include "link/link_settings.h"
#include "link/qt_serial_port.h"
#include "sim/simulator.h"
#include "tests/support/scratch_folder.h"

namespace zorkan {
namespace {

using sim::FaultKind;
using sim::Simulator;
using testing::ScratchFolder;

class LinkOverPtyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(link.openPortAt(simulator.devicePath(), 9600));
    setAttempts(2);
  }
  void setAttempts(int count) {
    LinkParameters parameters;
    parameters.attemptCount = count;
    link.setParameters(parameters);
  }

  std::size_t frameCount() const { return simulator.receivedFrames().size(); }

  // No pacing: these tests are about behaviour, the benchmark is about speed.
  Simulator simulator{{.networkAddress = 1, .baudRate = 0, .turnaroundMs = 0}};
  QtSerialPort port;
  SystemClock clock;
  ScratchFolder folder;
  DeviceLink link{port, clock, folder.path()};
};

TEST_F(LinkOverPtyTest, EveryOperationRoundTrips) {
  ASSERT_EQ(link.WriteByteParam(2, 315, 9), kOk);
  EXPECT_EQ(simulator.byteParameter(2, 315), 9);
  std::int32_t byte = 0;
  ASSERT_EQ(link.ReadByteParam(2, 315, byte), kOk);
  EXPECT_EQ(byte, 9);

  ASSERT_EQ(link.WriteFloatParam(2, 29, 25.5f), kOk);
  EXPECT_EQ(simulator.floatParameter(2, 29), 25.5f);
  float real = 0;
  ASSERT_EQ(link.ReadFloatParam(2, 29, real), kOk);
  EXPECT_EQ(real, 25.5f);

  EXPECT_EQ(link.WriteByteParamVerified(2, 317, 4), kOk);
  EXPECT_EQ(link.WriteFloatParamVerified(2, 15, -444.0f), kOk);
  EXPECT_EQ(simulator.floatParameter(2, 15), -444.0f);

  DataBlock block{};
  EXPECT_EQ(link.ReadDataBlock(2, block), kOk);

  const std::vector<std::string> frames = simulator.receivedFrames();
  ASSERT_EQ(frames.size(), 9u);
  EXPECT_EQ(frames[0], CompleteFrame(":1;38;00013B;09;"));
  EXPECT_EQ(frames[2], CompleteFrame(":1;38;00801D;41CC0000;"));
  EXPECT_EQ(frames[8], CompleteFrame(":1;37;00E002;"));
}

TEST_F(LinkOverPtyTest, LateAnswerOfPreviousAttemptIsTaken) {
  simulator.setByteParameter(2, 3, 2);
  simulator.addFault(
      {.kind = FaultKind::Late, .space = 2, .number = 3, .amount = 1500, .times = 1});
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 2);
  EXPECT_EQ(frameCount(), 2u);
}

TEST_F(LinkOverPtyTest, ReopenedPortWorksAndClosedPortIsSilent) {
  setAttempts(1);  // one silent attempt shows it; each costs a second of real time
  link.ClosePort();
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_EQ(frameCount(), 0u);
  link.openPortAt(simulator.devicePath(), 9600);
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
}

TEST(LinkWithoutInstrument, VanishedSimulatorIsSilenceNotACrash) {
  QtSerialPort port;
  SystemClock clock;
  ScratchFolder folder;
  DeviceLink link{port, clock, folder.path()};
  {
    Simulator simulator({.baudRate = 0, .turnaroundMs = 0});
    link.openPortAt(simulator.devicePath(), 9600);
  }
  LinkParameters parameters;
  parameters.attemptCount = 1;  // one silent attempt shows it; each costs a second of real time
  link.setParameters(parameters);
  std::int32_t value = 0;
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The instrument vanishes in the middle of a run of transactions, as when it is switched off or
// its adapter is pulled during a read; later it comes back on another pty under the same name.
TEST(LinkWithoutInstrument, VanishedInstrumentCostsNoCpuAndIsFoundAgain) {
  using namespace std::chrono_literals;
  ScratchFolder folder;
  QtSerialPort port;
  SystemClock clock;
  DeviceLink link{port, clock, folder.path()};
  auto simulator = std::make_unique<Simulator>(sim::SimulatorOptions{.baudRate = 0});
  simulator->linkAt(folder / "COM1");
  LinkSettings settings;
  settings.portNumber = 1;
  ASSERT_EQ(link.OpenPort(settings), PortOpening::Opened);
  link.setParameters(TransactionParameters(settings, folder.path()));

  std::thread killer([&simulator] {
    std::this_thread::sleep_for(300ms);
    simulator.reset();
  });
  std::int32_t value = 0;
  LinkError result = kOk;
  while (result == kOk) result = link.ReadByteParam(2, 3, value);
  killer.join();
  EXPECT_EQ(result, kNoAnswer);

  // The event loop runs as it does behind the error box: a frame left queued on the dead port
  // would be retried there at full speed, taking even on a busy machine far more than an eighth of
  // the second.
  const double cpuBefore = CpuSeconds();
  QEventLoop loop;
  QTimer::singleShot(1000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_LT(CpuSeconds() - cpuBefore, 0.125);

  // While the instrument is away, a transaction waits for nothing that cannot come.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kNoAnswer);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2 * 1000ms);

  Simulator back({.baudRate = 0});
  back.setByteParameter(2, 3, 7);
  back.linkAt(folder / "COM1");
  EXPECT_EQ(link.ReadByteParam(2, 3, value), kOk);
  EXPECT_EQ(value, 7);
}

TEST(LinkWithoutInstrument, MissingDeviceIsNotOpened) {
  QtSerialPort port;
  SystemClock clock;
  ScratchFolder folder;
  DeviceLink link{port, clock, folder.path()};
  EXPECT_FALSE(link.openPortAt((folder / "COM1").string(), 9600));
  EXPECT_FALSE(link.isOpen());
}

}  // namespace
}  // namespace zorkan
