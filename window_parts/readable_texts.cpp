// Measuring the windows' texts and choosing the size at which they all fit.
#include "readable_texts.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <vector>

namespace zarlin {

namespace {

constexpr double QuarterPoint = 0.25;
constexpr double SmallestPointSize = 7.0;  // smaller than this few read

// Where a button-like control's style draws its label, and how it aligns it there.
QRect ButtonTextArea(const QAbstractButton& button, QStyle::SubElement contents, int alignment) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QRect box = button.style()->subElementRect(contents, &option, &button);
  return button.fontMetrics().boundingRect(
      box, QStyle::visualAlignment(button.layoutDirection(), Qt::Alignment(alignment)) |
               Qt::TextShowMnemonic, button.text());
}

// Where a label, check box, option button, frame or command button draws its text, in its own
// coordinates, at its present font; labels that wrap do so at word boundaries. An empty
// rectangle for a control without text.
QRect OwnTextArea(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    if (label->text().isEmpty()) return {};
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    const Qt::Alignment alignment =
        QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    return label->fontMetrics().boundingRect(label->contentsRect(), int(alignment) | wrap,
                                             label->text());
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
    if (box->title().isEmpty()) return {};
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
  }
  const auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (button == nullptr || button->text().isEmpty()) return {};
  if (qobject_cast<const QCheckBox*>(button)) {
    return ButtonTextArea(*button, QStyle::SE_CheckBoxContents, Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (qobject_cast<const QRadioButton*>(button)) {
    return ButtonTextArea(*button, QStyle::SE_RadioButtonContents, Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (qobject_cast<const QPushButton*>(button)) {
    return ButtonTextArea(*button, QStyle::SE_PushButtonContents, Qt::AlignCenter);
  }
  return {};
}

std::vector<QWidget*> TextControls(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (!OwnTextArea(*child).isEmpty()) controls.push_back(child);
  }
  return controls;
}

bool AllFit(const QWidget& window, const std::vector<QWidget*>& controls) {
  std::vector<QRect> areas;
  for (const QWidget* control : controls) {
    const QRect own = OwnTextArea(*control);
    const QRect area = own.translated(control->mapTo(&window, QPoint(0, 0)));
    if (!control->rect().contains(own) || !window.rect().contains(area)) return false;
    for (const QRect& other : areas) {
      if (other.intersects(area)) return false;
    }
    areas.push_back(area);
  }
  return true;
}

void SetSize(const std::vector<QWidget*>& controls, QFont font, double pointSize) {
  font.setPointSizeF(pointSize);
  for (QWidget* control : controls) control->setFont(font);
}

void Fit(QWidget& window) {
  const std::vector<QWidget*> controls = TextControls(window);
  if (controls.empty() || AllFit(window, controls)) return;
  const QFont font = window.font();
  // A font given in pixels has no point size; the platform's fonts are given in points.
  if (font.pointSizeF() <= 0) return;
  double size = font.pointSizeF() - QuarterPoint;
  for (; size > SmallestPointSize; size -= QuarterPoint) {
    SetSize(controls, font, size);
    if (AllFit(window, controls)) return;
  }
  SetSize(controls, font, SmallestPointSize);
}

// Fits the window's texts as it is first shown, then goes.
class FitOnFirstShow : public QObject {
 public:
  explicit FitOnFirstShow(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      watched->removeEventFilter(this);
      Fit(*static_cast<QWidget*>(watched));
      deleteLater();
    }
    return false;
  }
};

}  // namespace

void FitTexts(QWidget& window) { Fit(window); }

void FitTextsWhenShown(QWidget& window) { new FitOnFirstShow(window); }

}  // namespace zarlin
