#include "ui/ToolPictures.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

#include "core/StringTable.h"

namespace zentaro::ui {
namespace {

struct Palette {
  QColor top, bottom, border, text, icon, accent, tip;
};

Palette PaletteOf(ToolPictureState state) {
  switch (state) {
    case ToolPictureState::Normal:
      return {{30, 108, 128},  {8, 58, 74},     {0, 160, 180},  {235, 248, 248},
              {235, 248, 248}, {128, 255, 255}, {240, 120, 120}};
    case ToolPictureState::Hot:
      return {{52, 168, 190},  {14, 98, 118},   {170, 250, 255}, {255, 255, 255},
              {255, 255, 255}, {255, 232, 110}, {255, 130, 130}};
    case ToolPictureState::Disabled:
      break;
  }
  return {{96, 106, 110},  {66, 74, 78},    {118, 128, 132}, {168, 176, 178},
          {150, 158, 160}, {170, 178, 180}, {150, 130, 130}};
}

QFont PictureFont(qreal pixels, bool bold) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  return font;
}

// A small board cell with a 3 x 3 arrangement of pencil-mark digits.
void DrawMarkedCell(QPainter& p, const QRectF& r, const Palette& c,
                    const std::array<int, 9>& shown) {
  p.setPen(QPen(c.icon, 1.6));
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawRoundedRect(r, 3, 3);
  p.setFont(PictureFont(r.height() / 3.4, true));
  p.setPen(c.icon);
  const qreal step = r.width() / 3;
  for (int k = 0; k < 9; ++k) {
    if (!shown[k]) continue;
    const QRectF box(r.left() + (k % 3) * step, r.top() + (k / 3) * step, step, step);
    p.drawText(box, Qt::AlignCenter, QString::number(k + 1));
  }
}

void DrawNewPuzzleIcon(QPainter& p, const Palette& c) {
  const QRectF grid(10, 10, 30, 30);
  p.setPen(QPen(c.icon, 2.2));
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawRoundedRect(grid, 2.5, 2.5);
  p.setPen(QPen(c.icon, 1.2));
  for (int i = 1; i < 3; ++i) {
    p.drawLine(QPointF(grid.left() + i * 10, grid.top()),
               QPointF(grid.left() + i * 10, grid.bottom()));
    p.drawLine(QPointF(grid.left(), grid.top() + i * 10),
               QPointF(grid.right(), grid.top() + i * 10));
  }
  p.setFont(PictureFont(8.5, true));
  p.drawText(QRectF(grid.left(), grid.top(), 10, 10), Qt::AlignCenter, "5");
  p.drawText(QRectF(grid.left() + 20, grid.top() + 10, 10, 10), Qt::AlignCenter, "3");
  p.drawText(QRectF(grid.left() + 10, grid.top() + 20, 10, 10), Qt::AlignCenter, "8");
  // A sparkle at the corner: something new.
  QPainterPath star;
  const QPointF o(41, 10);
  star.moveTo(o.x(), o.y() - 7);
  star.quadTo(o.x() + 1, o.y() - 1, o.x() + 7, o.y());
  star.quadTo(o.x() + 1, o.y() + 1, o.x(), o.y() + 7);
  star.quadTo(o.x() - 1, o.y() + 1, o.x() - 7, o.y());
  star.quadTo(o.x() - 1, o.y() - 1, o.x(), o.y() - 7);
  p.setPen(Qt::NoPen);
  p.setBrush(c.accent);
  p.drawPath(star);
}

void DrawHintIcon(QPainter& p, const Palette& c) {
  // A light bulb with a few rays.
  QPainterPath bulb;
  bulb.addEllipse(QPointF(25, 20), 10, 10);
  QPainterPath neck;
  neck.moveTo(19, 26);
  neck.lineTo(31, 26);
  neck.lineTo(29.5, 34);
  neck.lineTo(20.5, 34);
  neck.closeSubpath();
  bulb = bulb.united(neck);
  p.setPen(QPen(c.icon, 2.0));
  QColor glow = c.accent;
  glow.setAlpha(200);
  p.setBrush(glow);
  p.drawPath(bulb);
  p.setPen(QPen(c.icon, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(21, 37), QPointF(29, 37));
  p.drawLine(QPointF(22.5, 40.5), QPointF(27.5, 40.5));
  p.drawLine(QPointF(25, 4), QPointF(25, 6.5));
  p.drawLine(QPointF(11, 10), QPointF(13, 12));
  p.drawLine(QPointF(39, 10), QPointF(37, 12));
  p.drawLine(QPointF(8, 20), QPointF(10.5, 20));
  p.drawLine(QPointF(42, 20), QPointF(39.5, 20));
}

void DrawCandidatesIcon(QPainter& p, const Palette& c) {
  DrawMarkedCell(p, QRectF(9, 9, 32, 32), c, {1, 1, 1, 1, 1, 1, 1, 1, 1});
}

void DrawNoCandidatesIcon(QPainter& p, const Palette& c) {
  DrawMarkedCell(p, QRectF(9, 9, 32, 32), c, {1, 0, 1, 0, 1, 0, 0, 1, 0});
  // An eraser laid across the cell.
  p.save();
  p.translate(33, 34);
  p.rotate(-35);
  p.setPen(QPen(c.icon, 1.4));
  p.setBrush(c.accent);
  p.drawRoundedRect(QRectF(-10, -4.5, 13, 9), 2, 2);
  p.setBrush(c.tip);
  p.drawRoundedRect(QRectF(3, -4.5, 7, 9), 2, 2);
  p.restore();
}

}  // namespace

void PaintToolPicture(QPainter& p, ToolButtonKind kind, ToolPictureState state,
                      const QString& caption) {
  const Palette c = PaletteOf(state);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  const QRectF frame(0.75, 0.75, kToolPictureWidth - 1.5, kToolPictureHeight - 1.5);
  QLinearGradient fill(0, 0, 0, kToolPictureHeight);
  fill.setColorAt(0, c.top);
  fill.setColorAt(1, c.bottom);
  p.setPen(QPen(c.border, 1.5));
  p.setBrush(fill);
  p.drawRoundedRect(frame, 9, 9);
  // A soft sheen on the upper half.
  QLinearGradient sheen(0, 0, 0, kToolPictureHeight / 2.0);
  sheen.setColorAt(0, QColor(255, 255, 255, state == ToolPictureState::Disabled ? 20 : 45));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  p.drawRoundedRect(QRectF(3, 2.5, kToolPictureWidth - 6, kToolPictureHeight / 2.0 - 2), 7, 7);

  switch (kind) {
    case ToolButtonKind::NewPuzzle:
      DrawNewPuzzleIcon(p, c);
      break;
    case ToolButtonKind::Hint:
      DrawHintIcon(p, c);
      break;
    case ToolButtonKind::Candidates:
      DrawCandidatesIcon(p, c);
      break;
    case ToolButtonKind::NoCandidates:
      DrawNoCandidatesIcon(p, c);
      break;
  }

  // The caption, on two lines when one is too narrow.
  const QRectF textBox(56, 4, kToolPictureWidth - 64, kToolPictureHeight - 8);
  QFont font = PictureFont(15, true);
  p.setFont(font);
  p.setPen(c.text);
  if (QFontMetricsF(font).horizontalAdvance(caption) > textBox.width()) {
    font.setPixelSize(14);
    p.setFont(font);
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption);
  } else {
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft, caption);
  }
  p.restore();
}

QString ToolCaption(ToolButtonKind kind) {
  core::Text id = core::Text::NewPuzzleItem;
  switch (kind) {
    case ToolButtonKind::NewPuzzle:
      id = core::Text::NewPuzzleItem;
      break;
    case ToolButtonKind::Hint:
      id = core::Text::HintItem;
      break;
    case ToolButtonKind::Candidates:
      id = core::Text::FillCandidatesItem;
      break;
    case ToolButtonKind::NoCandidates:
      id = core::Text::RemoveCandidatesItem;
      break;
  }
  QString text = QString::fromStdString(core::LoadText(id));
  text.remove('&');
  if (text.endsWith("...")) text.chop(3);
  return text;
}

QImage ToolPicture(const QString& name, qreal devicePixelRatio) {
  static const std::array<std::pair<const char*, ToolButtonKind>, 4> kinds{{
      {"NEW", ToolButtonKind::NewPuzzle},
      {"HINT", ToolButtonKind::Hint},
      {"CANDIDATES", ToolButtonKind::Candidates},
      {"NO-CAND", ToolButtonKind::NoCandidates},
  }};
  const int dash = name.lastIndexOf('-');
  if (dash < 0) return {};
  const QString base = name.left(dash);
  const QString suffix = name.mid(dash + 1);
  ToolPictureState state;
  if (suffix == "NORM")
    state = ToolPictureState::Normal;
  else if (suffix == "HI")
    state = ToolPictureState::Hot;
  else if (suffix == "DIS")
    state = ToolPictureState::Disabled;
  else
    return {};
  for (const auto& [prefix, kind] : kinds) {
    if (base != prefix) continue;
    QImage image(QSize(kToolPictureWidth, kToolPictureHeight) * devicePixelRatio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintToolPicture(p, kind, state, ToolCaption(kind));
    return image;
  }
  return {};
}

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
