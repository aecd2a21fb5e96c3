#pragma once
// A pseudo-terminal standing in for the instrument's serial line. The tool opens the slave side
// by its path; the simulator talks through the master.

#include <cstdint>
#include <string>

namespace zorkan::sim {

class Pty {
 public:
  Pty();  // throws std::system_error
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  int master() const { return master_; }
  const std::string& slavePath() const { return slavePath_; }
  // The speed the tool has set its end of the line to; 0 for none of the line speeds.
  std::uint32_t toolBaudRate() const;
  // Drops what the tool has not read, when it has stopped reading and the queue is full.
  void discardUnread() const;

 private:
  int master_ = -1;
  // Held open, never read, for the pty's whole life: without it the master sees a hang-up
  // whenever the tool closes the port, and the raw settings would be lost.
  int slave_ = -1;
  std::string slavePath_;
};

}  // namespace zorkan::sim
