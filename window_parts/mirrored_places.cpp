// Keeping a window's controls at their design rectangles in its reading direction.
#include "mirrored_places.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
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
  struct Design {
    QRect rect;               // where the control stands from left to right
    Qt::Alignment alignment;  // of a label's or a text box's text
  };

  void Place() {
    const Qt::LayoutDirection direction = window_.layoutDirection();
    for (QWidget* control : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control->isWindow()) continue;
      auto* label = qobject_cast<QLabel*>(control);
      auto* box = qobject_cast<QLineEdit*>(control);
      const Qt::Alignment alignment = label ? label->alignment()
                                      : box ? box->alignment()
                                            : Qt::Alignment();
      const Design& design =
          designs_.try_emplace(control, Design{control->geometry(), alignment}).first->second;
      control->setGeometry(QStyle::visualRect(direction, window_.rect(), design.rect));
      // A label or a text box aligns its text by the text's own direction, a number from the
      // left even in an Arabic window: the window's direction decides instead.
      const Qt::Alignment aligned =
          QStyle::visualAlignment(direction, design.alignment) | Qt::AlignAbsolute;
      if (label) label->setAlignment(aligned);
      if (box) box->setAlignment(aligned);
    }
  }

  QWidget& window_;
  std::unordered_map<const QWidget*, Design> designs_;
};

}  // namespace

void PlaceInReadingDirection(QWidget& window) { new ReadingDirection(window); }

}  // namespace zarlin
