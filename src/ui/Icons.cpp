#include "ui/Icons.h"

#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zentaro::ui {

// ---------------------------------------------------------------------------
// Small icons, drawn at whatever size and scale they are asked for.

namespace {

void DrawIcon(QPainter& p, IconKind kind, const QColor& ink, const QColor& accent) {
  // Every icon is drawn on a 24 x 24 grid.
  p.setRenderHint(QPainter::Antialiasing);
  const QPen pen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  auto triangle = [&](qreal x, bool left) {
    QPolygonF t;
    if (left)
      t << QPointF(x, 12) << QPointF(x + 8, 6) << QPointF(x + 8, 18);
    else
      t << QPointF(x + 8, 12) << QPointF(x, 6) << QPointF(x, 18);
    p.setBrush(ink);
    p.drawPolygon(t);
    p.setBrush(Qt::NoBrush);
  };
  auto ribbon = [&](const QColor& fill) {
    QPolygonF b;
    b << QPointF(6, 3) << QPointF(16, 3) << QPointF(16, 21) << QPointF(11, 16.5) << QPointF(6, 21);
    p.setBrush(fill);
    p.drawPolygon(b);
    p.setBrush(Qt::NoBrush);
  };
  switch (kind) {
    case IconKind::Open: {
      QPolygonF back;
      back << QPointF(3, 19) << QPointF(3, 5) << QPointF(9, 5) << QPointF(11, 7.5)
           << QPointF(19, 7.5) << QPointF(19, 10);
      p.drawPolyline(back);
      QPolygonF front;
      front << QPointF(3, 19) << QPointF(6.5, 10) << QPointF(22, 10) << QPointF(18.5, 19);
      p.setBrush(accent);
      p.drawPolygon(front);
      break;
    }
    case IconKind::Save: {
      p.setBrush(accent);
      p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 3.5, 10, 6));
      p.drawRect(QRectF(6.5, 13, 11, 7.5));
      break;
    }
    case IconKind::Print: {
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 3, 10, 6));
      p.setBrush(accent);
      p.drawRoundedRect(QRectF(3, 9, 18, 8.5), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(7, 14, 10, 7));
      break;
    }
    case IconKind::Rate: {
      p.setBrush(accent);
      p.drawRect(QRectF(4, 14, 4, 6));
      p.drawRect(QRectF(10, 10, 4, 10));
      p.drawRect(QRectF(16, 5, 4, 15));
      p.drawLine(QPointF(2.5, 21), QPointF(21.5, 21));
      break;
    }
    case IconKind::Settings: {
      QPainterPath gear;
      for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(12, 12);
        p.rotate(45.0 * i);
        p.setBrush(ink);
        p.drawRect(QRectF(-1.8, -10, 3.6, 4));
        p.restore();
      }
      p.setBrush(accent);
      p.drawEllipse(QPointF(12, 12), 6.5, 6.5);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
      break;
    }
    case IconKind::CheckMistakes: {
      // A magnifying glass over a cell.
      p.setBrush(Qt::white);
      p.drawRect(QRectF(3.5, 3.5, 11, 11));
      p.setBrush(accent);
      p.drawEllipse(QPointF(13, 13), 5.5, 5.5);
      p.drawLine(QPointF(17, 17), QPointF(21, 21));
      break;
    }
    case IconKind::Help: {
      p.setBrush(accent);
      p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
      QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
      f.setPixelSize(15);
      f.setBold(true);
      p.setFont(f);
      p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
      break;
    }
    case IconKind::MoveFirst:
      p.drawLine(QPointF(4.5, 6), QPointF(4.5, 18));
      triangle(6, true);
      triangle(13, true);
      break;
    case IconKind::Undo:
      triangle(8, true);
      break;
    case IconKind::Redo:
      triangle(8, false);
      break;
    case IconKind::MoveLast:
      triangle(3, false);
      triangle(10, false);
      p.drawLine(QPointF(19.5, 6), QPointF(19.5, 18));
      break;
    case IconKind::SetBookmark:
      ribbon(accent);
      p.drawLine(QPointF(19, 5), QPointF(19, 13));
      p.drawLine(QPointF(15, 9), QPointF(23, 9));
      break;
    case IconKind::GoBookmark:
      ribbon(accent);
      p.drawLine(QPointF(17, 13), QPointF(23, 13));
      p.drawLine(QPointF(20, 10), QPointF(23, 13));
      p.drawLine(QPointF(20, 16), QPointF(23, 13));
      break;
    case IconKind::AppIcon: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 80, 100));
      p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
      p.setBrush(QColor(255, 255, 237));
      p.drawRect(QRectF(3, 3, 18, 18));
      p.setPen(QPen(QColor(0, 80, 100), 1.4));
      p.drawLine(QPointF(9, 3), QPointF(9, 21));
      p.drawLine(QPointF(15, 3), QPointF(15, 21));
      p.drawLine(QPointF(3, 9), QPointF(21, 9));
      p.drawLine(QPointF(3, 15), QPointF(21, 15));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(128, 255, 255));
      p.drawRect(QRectF(9.7, 9.7, 4.6, 4.6));
      break;
    }
  }
}

class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(IconKind kind) : kind_(kind) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 24.0, rect.height() / 24.0);
    const bool disabled = mode == QIcon::Disabled;
    const QColor ink = disabled ? QColor(150, 150, 150) : QColor(30, 45, 50);
    const QColor accent = disabled ? QColor(205, 205, 205) : QColor(110, 215, 225);
    DrawIcon(*painter, kind_, ink, accent);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pm(size * scale);
    pm.setDevicePixelRatio(scale);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    return pm;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(kind_); }

 private:
  IconKind kind_;
};

}  // namespace

QIcon MakeIcon(IconKind kind) {
  return QIcon(new DrawnIconEngine(kind));
}

}  // namespace zentaro::ui
