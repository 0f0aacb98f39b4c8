// The control theme: an XP-like look for the controls a user types into or
// presses (push buttons, check boxes, radio buttons, group boxes, edit boxes,
// combo boxes, up-down controls), drawn over the system's own style, which
// every other control (the list, the status bar, labels, pictures) keeps.
//
// setControlTheme(1..3) switches it on in that colour scheme for every
// widget of the application, those that exist and those made later (the
// message boxes included); any other number switches it off. Scheme 1's
// frame colour is RGB(123, 158, 189), 2's RGB(164, 185, 127), 3's
// RGB(198, 197, 215). UI thread only.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace lirvane::gui {

void setControlTheme(int scheme);

class ControlThemeStyle : public QProxyStyle {
 public:
  ControlThemeStyle(int scheme, QStyle* base);

  QColor frameColour() const { return frame_; }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;

 private:
  void drawButtonPanel(const QStyleOption* option, QPainter* painter) const;
  void drawFieldFrame(const QRect& rect, QPainter* painter) const;

  QColor frame_;
};

}  // namespace lirvane::gui
