#pragma once

#include <QWidget>

#include <functional>

namespace zendrik {

/// A plain surface that its owner paints by hand: on every paint event it calls `OnPaint` with
/// a painter on the surface and the bounding rectangle of the area to paint.
class TPaintBox : public QWidget {
  Q_OBJECT

 public:
  using PaintHandler = std::function<void(QPainter&, const QRect&)>;

  TPaintBox(const QString& name, QWidget* parent);

  PaintHandler OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zendrik
