#include "ui/OpenPortPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <random>

namespace openportpicture {
namespace {

const QColor kInk(30, 24, 20);
const QColor kRed(214, 22, 22);
const QColor kSkin(255, 214, 170);
const QColor kAngrySkin(255, 150, 120);
const QColor kShirt(60, 110, 200);
const QColor kTrousers(70, 70, 90);

QPen inkPen(qreal width, const QColor& color = kInk) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Marker lettering: each letter is tilted and lifted a little at random,
// then stroked twice with a thick pen slightly out of register, so the
// words look written in a hurry rather than typeset.
void drawLettering(QPainter& p, std::mt19937& rng) {
  const QString words = QStringLiteral("ОТКРОЙ ПОРТ!");
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(72);
  const QFontMetricsF metrics(font);
  const qreal gap = 4;
  qreal total = 0;
  for (QChar c : words) total += metrics.horizontalAdvance(c) + gap;
  const qreal scale = 536.0 / total;
  std::uniform_real_distribution<qreal> tilt(-12, 12);
  std::uniform_real_distribution<qreal> lift(-9, 9);
  std::uniform_real_distribution<qreal> wobble(-1.6, 1.6);
  std::uniform_real_distribution<qreal> grow(0.92, 1.1);

  qreal x = (kWidth - total * scale) / 2;
  for (QChar c : words) {
    const qreal advance = (metrics.horizontalAdvance(c) + gap) * scale;
    if (c != QChar(' ')) {
      QPainterPath glyph;
      glyph.addText(0, 0, font, QString(c));
      const QRectF box = glyph.boundingRect();
      p.save();
      p.translate(x + advance / 2, 88 + lift(rng));
      p.rotate(tilt(rng));
      const qreal s = scale * grow(rng);
      p.scale(s, s);
      p.translate(-box.center());
      // A soft shadow first, then two passes of the marker.
      p.setPen(inkPen(7 / s, QColor(120, 0, 0, 90)));
      p.setBrush(Qt::NoBrush);
      p.drawPath(glyph.translated(3 / s, 4 / s));
      for (int pass = 0; pass < 2; ++pass) {
        p.setPen(inkPen(6 / s, kRed));
        p.setBrush(kRed);
        p.drawPath(glyph.translated(wobble(rng) / s, wobble(rng) / s));
      }
      p.restore();
    }
    x += advance;
  }
  // A hasty double underline.
  QPainterPath underline;
  underline.moveTo(40, 134);
  underline.cubicTo(180, 126, 380, 142, 560, 128);
  p.setPen(inkPen(6, kRed));
  p.setBrush(Qt::NoBrush);
  p.drawPath(underline);
  p.drawPath(underline.translated(30, 10));
}

void drawBody(QPainter& p) {
  // Shadow on the floor.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawEllipse(QPointF(285, 478), 110, 14);

  // Legs, planted wide.
  p.setPen(inkPen(22, kTrousers));
  p.drawLine(QPointF(272, 395), QPointF(232, 466));
  p.drawLine(QPointF(302, 395), QPointF(340, 466));
  p.setPen(inkPen(4));
  p.setBrush(kInk);
  p.drawEllipse(QPointF(222, 472), 22, 9);
  p.drawEllipse(QPointF(352, 472), 22, 9);

  // The other hand on the hip.
  p.setPen(inkPen(18, kShirt));
  p.drawLine(QPointF(250, 318), QPointF(208, 356));
  p.drawLine(QPointF(208, 356), QPointF(246, 384));
  p.setPen(inkPen(3));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(250, 386), 11, 11);

  // Shirt.
  QPainterPath torso;
  torso.moveTo(255, 300);
  torso.cubicTo(232, 330, 238, 380, 250, 404);
  torso.lineTo(326, 404);
  torso.cubicTo(338, 380, 342, 330, 320, 300);
  torso.closeSubpath();
  p.setPen(inkPen(4));
  p.setBrush(kShirt);
  p.drawPath(torso);
}

void drawRaisedFist(QPainter& p) {
  const QPointF shoulder(322, 318);
  const QPointF elbow(392, 280);
  const QPointF fist(424, 196);
  p.setPen(inkPen(22, kInk));
  p.drawLine(shoulder, elbow);
  p.drawLine(elbow, fist);
  p.setPen(inkPen(17, kShirt));
  p.drawLine(shoulder, elbow);
  p.setPen(inkPen(15, kSkin));
  p.drawLine(elbow, fist + QPointF(-4, 12));

  // The fist: a knobbly ball with knuckle creases and a curled thumb.
  p.setPen(inkPen(4));
  p.setBrush(kSkin);
  p.drawRoundedRect(QRectF(fist.x() - 24, fist.y() - 26, 48, 44), 16, 16);
  p.setPen(inkPen(3));
  for (int k = 0; k < 3; ++k) {
    const qreal y = fist.y() - 14 + 10 * k;
    p.drawLine(QPointF(fist.x() - 6, y), QPointF(fist.x() + 22, y));
  }
  p.drawArc(QRectF(fist.x() - 24, fist.y() - 4, 26, 18), 30 * 16, 140 * 16);

  // Shake lines: arcs either side and short dashes above.
  p.setPen(inkPen(4));
  p.setBrush(Qt::NoBrush);
  for (int k = 0; k < 2; ++k) {
    const qreal r = 42 + 12 * k;
    p.drawArc(QRectF(fist.x() - r, fist.y() - r - 4, 2 * r, 2 * r), 120 * 16, 70 * 16);
    p.drawArc(QRectF(fist.x() - r, fist.y() - r - 4, 2 * r, 2 * r), -20 * 16, 70 * 16);
  }
  p.drawLine(QPointF(fist.x() - 12, fist.y() - 44), QPointF(fist.x() - 18, fist.y() - 58));
  p.drawLine(QPointF(fist.x() + 4, fist.y() - 48), QPointF(fist.x() + 4, fist.y() - 64));
  p.drawLine(QPointF(fist.x() + 20, fist.y() - 44), QPointF(fist.x() + 28, fist.y() - 58));
}

// The manga "angry vein": four bent strokes around a point.
void drawAngerMark(QPainter& p, const QPointF& at) {
  p.setPen(inkPen(4, kRed));
  p.setBrush(Qt::NoBrush);
  for (int k = 0; k < 4; ++k) {
    p.save();
    p.translate(at);
    p.rotate(90 * k);
    QPainterPath vein;
    vein.moveTo(4, -12);
    vein.quadTo(4, -4, 12, -4);
    p.drawPath(vein);
    p.restore();
  }
}

void drawHead(QPainter& p) {
  const QPointF centre(288, 236);
  // Neck.
  p.setPen(inkPen(4));
  p.setBrush(kSkin);
  p.drawRect(QRectF(276, 280, 24, 26));

  // Head, flushed red from the chin up.
  QRadialGradient flush(centre + QPointF(0, 30), 80);
  flush.setColorAt(0, kAngrySkin);
  flush.setColorAt(1, kSkin);
  p.setBrush(flush);
  p.drawEllipse(centre, 58, 54);
  // Ears and a few spiky hairs.
  p.drawEllipse(centre + QPointF(-60, 6), 9, 13);
  p.drawEllipse(centre + QPointF(60, 6), 9, 13);
  p.setPen(inkPen(5));
  for (int k = -2; k <= 2; ++k)
    p.drawLine(centre + QPointF(14 * k, -50), centre + QPointF(18 * k + 3 * k, -70 - 4 * (2 - std::abs(k))));

  // Eyes: small glaring pupils pushed up under the brows.
  p.setBrush(Qt::white);
  p.setPen(inkPen(3));
  p.drawEllipse(centre + QPointF(-22, -8), 11, 9);
  p.drawEllipse(centre + QPointF(22, -8), 11, 9);
  p.setBrush(kInk);
  p.drawEllipse(centre + QPointF(-18, -9), 4, 4);
  p.drawEllipse(centre + QPointF(18, -9), 4, 4);

  // Eyebrows slanting hard down to the nose.
  p.setPen(inkPen(8));
  p.drawLine(centre + QPointF(-40, -30), centre + QPointF(-8, -18));
  p.drawLine(centre + QPointF(40, -30), centre + QPointF(8, -18));

  // Open shouting mouth with teeth and tongue.
  QPainterPath mouth;
  mouth.moveTo(centre + QPointF(-26, 16));
  mouth.quadTo(centre + QPointF(0, 8), centre + QPointF(26, 16));
  mouth.quadTo(centre + QPointF(20, 52), centre + QPointF(0, 50));
  mouth.quadTo(centre + QPointF(-20, 52), centre + QPointF(-26, 16));
  p.setPen(inkPen(4));
  p.setBrush(QColor(110, 10, 20));
  p.drawPath(mouth);
  p.save();
  p.setClipPath(mouth);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(centre.x() - 26, centre.y() + 8, 52, 12));
  p.setBrush(QColor(230, 90, 100));
  p.drawEllipse(centre + QPointF(0, 50), 16, 11);
  p.restore();
  p.setPen(inkPen(4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mouth);

  drawAngerMark(p, centre + QPointF(-48, -46));

  // Shout lines out of the mouth, toward the viewer's left.
  p.setPen(inkPen(4));
  p.drawLine(centre + QPointF(-58, 30), centre + QPointF(-92, 28));
  p.drawLine(centre + QPointF(-56, 44), centre + QPointF(-88, 58));
  p.drawLine(centre + QPointF(-50, 56), centre + QPointF(-74, 82));
}

}  // namespace

QImage draw() {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(Qt::white);
  std::mt19937 rng(1914);  // Fixed seed: the same jitter every time.

  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawLettering(p, rng);
  drawBody(p);
  drawRaisedFist(p);
  drawHead(p);
  p.end();
  return image;
}

}  // namespace openportpicture
