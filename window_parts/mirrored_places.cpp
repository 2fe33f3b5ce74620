// Keeping a window's controls at their design rectangles in its reading direction.
#include "mirrored_places.h"

#include <QEvent>
#include <QStyle>
#include <QWidget>
#include <unordered_map>

namespace zarlin {

namespace {

class ReadingDirection : public QObject {
 public:
  explicit ReadingDirection(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
    Place();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Resize || type == QEvent::LayoutDirectionChange) {
      Place();
    }
    return false;
  }

 private:
  void Place() {
    for (QWidget* control : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isWindow()) continue;
      const QRect design = designs_.try_emplace(control, control->geometry()).first->second;
      control->setGeometry(QStyle::visualRect(window_.layoutDirection(), window_.rect(), design));
    }
  }

  QWidget& window_;
  std::unordered_map<const QWidget*, QRect> designs_;  // where each control stands from left to right
};

}  // namespace

void PlaceInReadingDirection(QWidget& window) { new ReadingDirection(window); }

}  // namespace zarlin
