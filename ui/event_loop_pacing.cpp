#include "ui/event_loop_pacing.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace zorkan {

void EventLoopPacing::waitUntil(std::int64_t monotonicMs) {
  const std::int64_t leftMs = monotonicMs - nowMs();
  if (leftMs <= 0) {
    QCoreApplication::processEvents();
    return;
  }
  // A loop of its own rather than a sleep: the window stays alive for the whole wait.
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(leftMs), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace zorkan
