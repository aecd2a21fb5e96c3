#include "link/qt_serial_port.h"

#include <sys/file.h>

#include <QSerialPort>
#include <QString>
#include <chrono>
#include <thread>

#include "link/port_lock_file.h"

namespace zorkan {

namespace {

using SteadyClock = std::chrono::steady_clock;

int MillisecondsUntil(SteadyClock::time_point deadline) {
  const auto left = deadline - SteadyClock::now();
  if (left <= SteadyClock::duration::zero()) return 0;
  // Rounded up: a wait of 0 ms would return before the last fraction of the time-out.
  return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// Whatever else a wait ends with means the device has gone: an unplugged adapter or a closed pty
// fails every wait at once.
bool DeviceGone(QSerialPort::SerialPortError error) {
  return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

}  // namespace

QtSerialPort::QtSerialPort() : port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::open(const std::string& path, std::uint32_t baudRate) {
  port_->close();
  lost_ = false;
  port_->setPortName(QString::fromStdString(path));
  RemoveOrphanedPortLockFile(port_->portName().toStdString());
  openRefusal_.clear();
  if (!port_->open(QIODevice::ReadWrite)) {
    openRefusal_ = port_->errorString().toStdString();
    return false;
  }
  // Qt's own lock is named after the path, and the kernel's exclusive mode does not stop root: a
  // lock on the device itself keeps out a second program that names it by another path (COM1 and
  // the /dev/pts/N it links to), whoever runs it. Two programs on one line would take each other's
  // answers.
  if (flock(static_cast<int>(port_->handle()), LOCK_EX | LOCK_NB) != 0) {
    port_->close();
    openRefusal_ = "in use by another program";
    return false;
  }
  // A pty refuses the modem lines and some settings; like a hardware port that cannot do them, the
  // port stays usable.
  port_->setBaudRate(static_cast<qint32>(baudRate));
  port_->setDataBits(QSerialPort::Data8);
  port_->setParity(QSerialPort::NoParity);
  port_->setStopBits(QSerialPort::OneStop);
  port_->setFlowControl(QSerialPort::NoFlowControl);
  port_->setDataTerminalReady(true);
  port_->setRequestToSend(false);
  port_->clearError();
  return true;
}

void QtSerialPort::close() {
  port_->close();
  lost_ = false;
}

// Closed at once: a frame left in Qt's write buffer on a dead device is retried from the event
// loop for ever, a failed write after another, at full speed.
void QtSerialPort::markLost() {
  port_->close();
  lost_ = true;
}

// A line without flow control takes every byte at once; one that keeps them has gone.
void QtSerialPort::write(std::string_view bytes, int timeoutMs) {
  if (!port_->isOpen()) return;
  port_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  port_->waitForBytesWritten(timeoutMs);
  if (port_->bytesToWrite() != 0) markLost();
}

std::size_t QtSerialPort::read(char* destination, std::size_t maxBytes, int timeoutMs) {
  if (lost_) return 0;
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeoutMs);
  if (!port_->isOpen()) {
    std::this_thread::sleep_until(deadline);
    return 0;
  }
  std::size_t received = 0;
  while (received < maxBytes) {
    char byte = 0;
    // One byte at a time, so that whatever follows a carriage return stays in the port's buffer.
    if (port_->getChar(&byte)) {
      destination[received++] = byte;
      if (byte == '\r') break;
      continue;
    }
    const int left = MillisecondsUntil(deadline);
    if (left == 0) break;
    if (!port_->waitForReadyRead(left)) {
      if (DeviceGone(port_->error())) {
        markLost();
      } else {
        port_->clearError();
      }
      break;
    }
  }
  return received;
}

void QtSerialPort::discardPending() {
  if (port_->isOpen()) port_->clear(QSerialPort::AllDirections);
}

}  // namespace zorkan
