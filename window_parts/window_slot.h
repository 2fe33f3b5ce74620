// One long-lived window that the player may close: closing destroys it, and whatever uses it
// next creates it afresh from its design, hidden until something shows it.
#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace zarlin {

template <class Window>
class WindowSlot : public QObject {
 public:
  using Design = std::function<std::unique_ptr<Window>()>;

  explicit WindowSlot(Design design) : design_(std::move(design)) {}

  // The window, created from its design if it does not exist.
  Window& Get() {
    if (!window_) {
      window_ = design_();
      window_->installEventFilter(this);
    }
    return *window_;
  }
  Window* Existing() const { return window_.get(); }

  // Shows the window modeless and makes it the active one, in front of the others.
  void Show() {
    Window& window = Get();
    window.show();
    window.raise();
    window.activateWindow();
  }
  // Shows the window modeless in front of the others, leaving the active window as it is:
  // the window manager does not hand the focus to it either when it maps it.
  void ShowInFront() {
    Window& window = Get();
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.show();
    window.setAttribute(Qt::WA_ShowWithoutActivating, false);
    window.raise();
  }
  void Hide() { Get().hide(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && window_ && watched == window_.get()) {
      // The window is still handling its close: it is deleted once that is done.
      closed_.push_back(std::move(window_));
      QTimer::singleShot(0, this, [this] { closed_.clear(); });
    }
    return false;
  }

 private:
  Design design_;
  std::unique_ptr<Window> window_;
  std::vector<std::unique_ptr<Window>> closed_;
};

}  // namespace zarlin
