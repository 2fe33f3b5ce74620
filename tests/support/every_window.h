// Every window a player can open, opened, and where each control's text goes and whether it fits,
// measured apart from the game's own fitting, for the tests that read every text.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

#include "support/window_rig.h"

namespace zarlin::testing {

// The main window's client area (named "Main"), the options dialog, the five information
// dialogs and the two notices, all shown; the colour buttons stay hidden.
inline QList<QWidget*> OpenEveryWindow(WindowRig& rig) {
  for (const char* item : {"G_Options", "I_Rules", "I_A_Zarlin", "I_A_Quorvel", "I_A_Author",
                           "I_License"}) {
    rig.trigger(item);
  }
  rig.windows().ShowNotice(Notice::GameOver);
  rig.windows().ShowNotice(Notice::Win);
  QList<QWidget*> windows{rig.main.centralWidget()};
  rig.main.centralWidget()->setObjectName("Main");
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window != &rig.main) windows << window;
  }
  return windows;
}

// Where a control's text goes, in its window, measured from its font: a label's from its
// leading corner, wrapped at word boundaries where it wraps; a check box's or option button's
// after the indicator and its spacing; a frame's caption where the style puts it; a command
// button's centred. Mirrored where the control reads from right to left.
inline QRect NeededArea(QWidget* control) {
  const QFontMetrics metrics = control->fontMetrics();
  const QStyle* style = control->style();
  QRect area;
  if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
    area = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
  } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    return style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box)
        .translated(control->pos());
  } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
    const bool check = qobject_cast<QCheckBox*>(control) != nullptr;
    const int indent =
        style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth) +
        style->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                 : QStyle::PM_RadioButtonLabelSpacing);
    const QString text = static_cast<QAbstractButton*>(control)->text();
    area = QRect(indent, (control->height() - metrics.height()) / 2,
                 metrics.horizontalAdvance(text), metrics.height());
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    area = metrics.boundingRect(button->rect(), Qt::AlignCenter, button->text());
  }
  return QStyle::visualRect(control->layoutDirection(), control->rect(), area)
      .translated(control->pos());
}

// The smallest point size of the window's texts; in `faults` each text that does not lie inside
// its rectangle and its window in the application's font family, or overlaps another.
inline double FittedSize(QWidget* window, QStringList& faults) {
  QList<QRect> texts;
  double size = 100;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    const QRect text = NeededArea(control);
    if (text.isEmpty()) continue;
    const QString where = window->objectName() + "." + control->objectName();
    if (!control->geometry().contains(text) || !window->rect().contains(text)) {
      faults << where + " cut";
    }
    for (const QRect& other : texts) {
      if (other.intersects(text)) faults << where + " drawn over another";
    }
    if (control->font().family() != QApplication::font().family()) {
      faults << where + " in another font";
    }
    texts << text;
    size = std::min(size, control->font().pointSizeF());
  }
  return size;
}

}  // namespace zarlin::testing
