#pragma once
// The main window in any size while its pages keep their fixed layout: shrunk, the pages scroll;
// enlarged, they stay in the middle. It opens wholly on the screen, however large the scale.

#include <QRect>
#include <QSize>

class QMainWindow;
class QWidget;

namespace zorkan {

// Puts `pages`, fixed at `size`, into a scroll area that becomes the window's central widget; the
// window's size hint is then the pages' size with the menu and any bars.
void ScrollPagesInWindow(QMainWindow& window, QWidget& pages, QSize size);

// Where a window of the size `wanted` opens on a screen whose free area is `available`: centred
// on it, and no larger than it.
QRect OpeningGeometry(QSize wanted, const QRect& available);

}  // namespace zorkan
