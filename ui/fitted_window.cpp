#include "ui/fitted_window.h"

#include <QMainWindow>
#include <QScrollArea>

namespace zorkan {

namespace {

// A scroll area asks for the whole of its pages: the window opens as large as they are, where the
// screen has room for it.
class PagesArea final : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget()->size() + QSize(frame, frame);
  }
};

}  // namespace

void ScrollPagesInWindow(QMainWindow& window, QWidget& pages, QSize size) {
  pages.setFixedSize(size);
  window.takeCentralWidget();
  auto* area = new PagesArea(&window);
  area->setObjectName("PagesArea");
  area->setFrameShape(QFrame::NoFrame);
  area->setAlignment(Qt::AlignCenter);
  // Tab moves between the controls of the pages, never onto the area around them.
  area->setFocusPolicy(Qt::NoFocus);
  area->setWidget(&pages);
  window.setCentralWidget(area);
}

QRect OpeningGeometry(QSize wanted, const QRect& available) {
  QRect geometry(QPoint(), wanted.boundedTo(available.size()));
  geometry.moveCenter(available.center());
  return geometry;
}

}  // namespace zorkan
