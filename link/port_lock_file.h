#pragma once
// The lock file QSerialPort keeps for a port while it holds it. Qt refuses the port while the file
// is there, unless the process the file names is gone; a process killed after it made the file and
// before it wrote itself into it leaves one that names nobody, which Qt waits out for 30 s. The
// lock on the device itself (flock) is what keeps a second program out, and it goes with its
// holder.

#include <string>

namespace zorkan {

// Removes the lock file of the port `portName` (as QSerialPort::portName() gives it) when it names
// no process and no process holds it locked: Qt's owner locks it from the moment it makes it, so
// its owner is gone. One that names a process is left to Qt, and so is another program's.
void RemoveOrphanedPortLockFile(const std::string& portName);

}  // namespace zorkan
