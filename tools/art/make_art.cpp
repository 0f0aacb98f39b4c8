// Draws Lirvane's icon and banner. Run once; the pictures it writes are
// committed under app/resources/: icon.png and banner.png (the banner also
// at twice the size, for screens scaled by 2), and the icon at the usual
// sizes of the hicolor theme as icons/NNxNN.png.
//   make_art <folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void drawNote(QPainter& p, QRectF box, QColor colour) {
  // Two beamed eighth notes.
  qreal w = box.width(), h = box.height();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  auto head = [&](qreal cx, qreal cy) {
    p.save();
    p.translate(box.left() + cx * w, box.top() + cy * h);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 0.14 * w, 0.10 * h);
    p.restore();
  };
  head(0.28, 0.76);
  head(0.72, 0.66);
  QPainterPath beam;
  beam.moveTo(box.left() + 0.38 * w, box.top() + 0.74 * h);
  beam.lineTo(box.left() + 0.38 * w, box.top() + 0.22 * h);
  beam.lineTo(box.left() + 0.82 * w, box.top() + 0.12 * h);
  beam.lineTo(box.left() + 0.82 * w, box.top() + 0.64 * h);
  beam.lineTo(box.left() + 0.76 * w, box.top() + 0.64 * h);
  beam.lineTo(box.left() + 0.76 * w, box.top() + 0.26 * h);
  beam.lineTo(box.left() + 0.44 * w, box.top() + 0.33 * h);
  beam.lineTo(box.left() + 0.44 * w, box.top() + 0.74 * h);
  beam.closeSubpath();
  p.drawPath(beam);
}

QImage icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, size);
  sky.setColorAt(0, QColor(64, 140, 220));
  sky.setColorAt(1, QColor(24, 78, 160));
  p.setBrush(sky);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92), size * 0.2,
                    size * 0.2);
  drawNote(p, QRectF(size * 0.16, size * 0.14, size * 0.68, size * 0.72), Qt::white);
  return image;
}

QImage banner(int scale) {
  QImage image(200 * scale, 56 * scale, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient back(0, 0, 200, 56);
  back.setColorAt(0, QColor(24, 78, 160));
  back.setColorAt(1, QColor(80, 160, 230));
  p.fillRect(image.rect(), back);
  p.setPen(QColor(255, 255, 255, 40));
  for (int x = -56; x < 200; x += 12) p.drawLine(x, 56, x + 56, 0);
  drawNote(p, QRectF(8, 6, 44, 44), Qt::white);
  QFont title(QStringLiteral("DejaVu Sans"), 19, QFont::Bold);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRectF(58, 4, 140, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lirvane"));
  QFont tag(QStringLiteral("WenQuanYi Micro Hei"), 9);
  p.setFont(tag);
  p.setPen(QColor(225, 238, 255));
  p.drawText(QRectF(60, 32, 140, 20), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("空间背景音乐列表"));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  bool ok = icon(256).save(folder + QStringLiteral("/icon.png")) &&
            banner(1).save(folder + QStringLiteral("/banner.png")) &&
            banner(2).save(folder + QStringLiteral("/banner@2x.png"));
  QDir().mkpath(folder + QStringLiteral("/icons"));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    ok = ok && icon(size).save(QStringLiteral("%1/icons/%2x%2.png").arg(folder).arg(size));
  }
  return ok ? 0 : 1;
}
