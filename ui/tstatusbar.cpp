#include "tstatusbar.h"

#include <QPainter>

namespace lomarin {

TStatusBar::TStatusBar(std::vector<Panel> panels, QWidget* parent) : QWidget(parent), m_panels(std::move(panels)) {}

void TStatusBar::SetPanelWidth(int index, int width) {
  m_panels.at(static_cast<size_t>(index)).width = width;
  update();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
  m_panels.at(static_cast<size_t>(index)).text = text;
  update();
}

QRect TStatusBar::PanelRect(int index) const {
  int left = 0;
  for (int i = 0; i < index; ++i) left += m_panels[static_cast<size_t>(i)].width;
  // The last panel runs to the right edge.
  const int width = index + 1 == PanelCount() ? std::max(0, this->width() - left) : PanelAt(index).width;
  return QRect(left, 0, width, height());
}

void TStatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  for (int i = 0; i < PanelCount(); ++i) {
    const QRect rect = PanelRect(i);
    if (rect.width() <= 0) continue;
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    const Panel& panel = m_panels[static_cast<size_t>(i)];
    if (panel.ownerDrawn) {
      if (DrawPanel) DrawPanel(painter, i, rect);
    } else {
      painter.setPen(colours.color(QPalette::WindowText));
      painter.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, panel.text);
    }
  }
}

}  // namespace lomarin
