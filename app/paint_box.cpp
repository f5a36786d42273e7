#include "app/paint_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace zendrik {

TPaintBox::TPaintBox(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  // The handler fills every pixel it is asked for, so Qt need not clear the area first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent* event) {
  if (!OnPaint) return;
  QPainter painter(this);
  OnPaint(painter, event->rect());
}

}  // namespace zendrik
