// TStatusBar: a status bar of fixed-width panels, each with a text. Owner-drawn panels
// are painted by the DrawPanel hook (the reader's stbarDrawPanel); the others show their
// text themselves. Controls may be placed on it as children.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace lomarin {

class TStatusBar : public QWidget {
  Q_OBJECT

 public:
  struct Panel {
    int width = 0;
    QString text;
    bool ownerDrawn = false;
  };

  explicit TStatusBar(std::vector<Panel> panels, QWidget* parent = nullptr);

  int PanelCount() const { return static_cast<int>(m_panels.size()); }
  const Panel& PanelAt(int index) const { return m_panels.at(static_cast<size_t>(index)); }
  void SetPanelWidth(int index, int width);
  void SetPanelText(int index, const QString& text);
  QRect PanelRect(int index) const;

  std::function<void(QPainter&, int index, const QRect&)> DrawPanel;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Panel> m_panels;
};

}  // namespace lomarin
