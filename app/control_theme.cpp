#include "app/control_theme.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace lirvane::gui {
namespace {

QColor schemeFrameColour(int scheme) {
  switch (scheme) {
    case 2:
      return QColor(164, 185, 127);
    case 3:
      return QColor(198, 197, 215);
    default:
      return QColor(123, 158, 189);
  }
}

// The style the application started with: the system's look.
const QString& systemStyleName() {
  static const QString name = QApplication::style()->name();
  return name;
}

}  // namespace

void setControlTheme(int scheme) {
  const QString& base = systemStyleName();
  if (scheme >= 1 && scheme <= 3) {
    QApplication::setStyle(new ControlThemeStyle(scheme, QStyleFactory::create(base)));
  } else {
    QApplication::setStyle(QStyleFactory::create(base));
  }
}

ControlThemeStyle::ControlThemeStyle(int scheme, QStyle* base)
    : QProxyStyle(base), frame_(schemeFrameColour(scheme)) {}

void ControlThemeStyle::drawButtonPanel(const QStyleOption* option, QPainter* painter) const {
  bool pressed = option->state & (State_Sunken | State_On);
  bool enabled = option->state & State_Enabled;
  bool hover = option->state & State_MouseOver;
  QRectF rect = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  if (!enabled) {
    fill.setColorAt(0, QColor(245, 244, 234));
    fill.setColorAt(1, QColor(245, 244, 234));
  } else if (pressed) {
    fill.setColorAt(0, QColor(226, 225, 218));
    fill.setColorAt(1, QColor(240, 240, 234));
  } else {
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(0.85, QColor(236, 235, 230));
    fill.setColorAt(1, QColor(214, 208, 197));
  }
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  QPainterPath shape;
  shape.addRoundedRect(rect, 3, 3);
  painter->fillPath(shape, fill);
  if (hover && enabled && !pressed) {
    painter->setPen(QPen(QColor(248, 179, 48), 2));
    painter->drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
  }
  painter->setPen(QPen(enabled ? frame_ : QColor(201, 199, 186), 1));
  painter->drawPath(shape);
  painter->restore();
}

void ControlThemeStyle::drawFieldFrame(const QRect& rect, QPainter* painter) const {
  painter->save();
  painter->setPen(frame_);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

void ControlThemeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
      drawButtonPanel(option, painter);
      return;
    case PE_FrameLineEdit:
      drawFieldFrame(option->rect, painter);
      return;
    case PE_PanelLineEdit:
      painter->fillRect(option->rect.adjusted(1, 1, -1, -1), option->palette.base());
      drawFieldFrame(option->rect, painter);
      return;
    case PE_FrameGroupBox: {
      painter->save();
      painter->setRenderHint(QPainter::Antialiasing, true);
      painter->setPen(QColor(208, 208, 191));
      painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
      painter->restore();
      return;
    }
    case PE_IndicatorCheckBox: {
      QRect box = option->rect.adjusted(0, 0, -1, -1);
      QLinearGradient fill(box.topLeft(), box.bottomRight());
      fill.setColorAt(0, QColor(220, 220, 215));
      fill.setColorAt(1, Qt::white);
      painter->fillRect(box, fill);
      drawFieldFrame(option->rect, painter);
      if (option->state & (State_On | State_NoChange)) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(QColor(33, 161, 33), 2));
        QPointF a(box.left() + box.width() * 0.25, box.top() + box.height() * 0.5);
        QPointF b(box.left() + box.width() * 0.45, box.top() + box.height() * 0.7);
        QPointF c(box.left() + box.width() * 0.78, box.top() + box.height() * 0.28);
        painter->drawPolyline(QPolygonF({a, b, c}));
        painter->restore();
      }
      return;
    }
    case PE_IndicatorRadioButton: {
      painter->save();
      painter->setRenderHint(QPainter::Antialiasing, true);
      QRectF circle = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
      QLinearGradient fill(circle.topLeft(), circle.bottomRight());
      fill.setColorAt(0, QColor(220, 220, 215));
      fill.setColorAt(1, Qt::white);
      painter->setBrush(fill);
      painter->setPen(frame_);
      painter->drawEllipse(circle);
      if (option->state & State_On) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(33, 161, 33));
        painter->drawEllipse(circle.center(), circle.width() / 5, circle.height() / 5);
      }
      painter->restore();
      return;
    }
    default:
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
}

void ControlThemeStyle::drawComplexControl(ComplexControl control,
                                           const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (control == CC_ComboBox || control == CC_SpinBox) drawFieldFrame(option->rect, painter);
}

}  // namespace lirvane::gui
