// The options dialog: its design, how it fills from the settings and how OK stores them.
#include "options_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>
#include <limits>

#include "engine/numbers.h"
#include "window_parts/frames.h"
#include "window_parts/mirrored_places.h"
#include "window_parts/readable_texts.h"
#include "desktop/window_manager_hints.h"
#include "window_parts/twips.h"

namespace zarlin {

namespace {

constexpr int FirstCount = 2;

template <typename Control>
Control* Place(Control* control, const char* name, QRect rect) {
  control->setObjectName(name);
  control->setGeometry(rect);
  return control;
}

QPushButton* AddButton(QWidget* dialog, const char* name, const QString& caption, QRect rect) {
  auto* button = Place(new QPushButton(caption, dialog), name, rect);
  // Neither button answers Enter or Esc.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

OptionsDialog::OptionsDialog(GameVariables& vars, const GameConstants& constants)
    // An ordinary window with a dialog's frame: a window manager such as GNOME's lists every
    // dialog that has no owner on the task bar, whatever the window asks.
    : QWidget(nullptr, ClosableFrame),
      vars_(vars),
      constants_(constants) {
  setObjectName("Options");
  setWindowTitle(tr("Options for Zarlin"));
  setFixedSize(TwipsSize(5580, 1890));
  StandAlone(*this);

  // The frame only draws the box: the option buttons belong to the dialog, above the frame.
  Place(new QGroupBox(tr("Number Of Colors"), this), "frmNoColors", TwipsRect(240, 120, 1455, 1575));
  addColourCount(2, TwipsRect(720, 360, 735, 255));
  addColourCount(3, TwipsRect(720, 600, 735, 255));
  addColourCount(4, TwipsRect(720, 840, 735, 255));
  addColourCount(5, TwipsRect(720, 1080, 735, 255));
  addColourCount(6, TwipsRect(720, 1320, 855, 255));
  chkSeqPattern_ = Place(new QCheckBox(tr("Sequential Paterns"), this), "chkSeqPattern",
                         TwipsRect(1800, 120, 1935, 255));
  const QString startLength = tr("Start Length:");
  const QString delay = tr("Delay (milliseconds):");
  Place(new QLabel(startLength, this), "lblStartLen", TwipsRect(1800, 600, 1095, 255));
  txtStartLen_ = Place(new QLineEdit("1", this), "txtStartLen", TwipsRect(3360, 600, 615, 375));
  Place(new QLabel(delay, this), "lblDelay", TwipsRect(1800, 1080, 1575, 255));
  txtDelay_ = Place(new QLineEdit("200", this), "txtDelay", TwipsRect(3360, 1080, 615, 375));
  optOK_ = AddButton(this, "optOK", tr("OK"), TwipsRect(4200, 120, 1095, 375));
  optCancel_ = AddButton(this, "optCancel", tr("Cancel"), TwipsRect(4200, 600, 1095, 375));
  txtStartLen_->setAccessibleName(startLength);
  txtDelay_->setAccessibleName(delay);

  QWidget* const tabOrder[] = {rbnColors_[1], rbnColors_[2], rbnColors_[3], rbnColors_[4],
                               chkSeqPattern_, optOK_, optCancel_, txtStartLen_, txtDelay_,
                               rbnColors_[0]};
  for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i], tabOrder[i + 1]);
  }

  PlaceInReadingDirection(*this);
  FitTexts(*this);
  connect(optOK_, &QPushButton::clicked, this, &OptionsDialog::optOK_Click);
  connect(optCancel_, &QPushButton::clicked, this, &OptionsDialog::optCancel_Click);
  Form_Load();
}

void OptionsDialog::addColourCount(int count, QRect rect) {
  const QByteArray name = "rbn" + QByteArray::number(count) + "Colors";
  auto* button = Place(new QRadioButton(QString::number(count), this), name.constData(), rect);
  rbnColors_[static_cast<std::size_t>(count - FirstCount)] = button;
  connect(button, &QRadioButton::toggled, this, &OptionsDialog::keepFocusOnTheSelectedCount);
}

// Of the option buttons only the selected one takes the focus from the Tab key.
void OptionsDialog::keepFocusOnTheSelectedCount() {
  for (QRadioButton* button : rbnColors_) {
    button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void OptionsDialog::Form_Load() {
  chkSeqPattern_->setChecked(vars_.SequentialPatterns != False);
  for (auto button = rbnColors_.rbegin(); button != rbnColors_.rend(); ++button) {
    (*button)->setAutoExclusive(false);
    (*button)->setChecked(false);
    (*button)->setAutoExclusive(true);
  }
  const int selected = vars_.ColourCount - FirstCount;
  if (selected >= 0 && selected < static_cast<int>(rbnColors_.size())) {
    rbnColors_[static_cast<std::size_t>(selected)]->setChecked(true);
  }
  keepFocusOnTheSelectedCount();
  if (const auto* number = std::get_if<std::int16_t>(&vars_.Delay)) {
    txtDelay_->setText(QString::number(*number));
  } else {
    txtDelay_->setText(QString::fromStdString(std::get<std::string>(vars_.Delay)));
  }
  txtStartLen_->setText(QString::fromStdString(FormatNumber(vars_.StartLastIndex + 1)));
}

void OptionsDialog::optOK_Click() {
  OptionsForm form;
  for (std::size_t i = 0; i < rbnColors_.size() && !form.colourCount; ++i) {
    if (rbnColors_[i]->isChecked()) form.colourCount = static_cast<std::int16_t>(i + FirstCount);
  }
  form.sequentialPatterns = chkSeqPattern_->isChecked();
  form.startLength = txtStartLen_->text().toStdString();
  form.delay = txtDelay_->text().toStdString();
  if (const auto refused = StoreOptions(form, vars_, constants_)) {
    refuse(*refused);
    return;
  }
  close();
}

void OptionsDialog::optCancel_Click() { close(); }

// Enter presses the focused OK or Cancel, as on every desktop; neither button is the default, so
// Enter anywhere else does nothing.
void OptionsDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (optOK_->hasFocus() || optCancel_->hasFocus())) {
    (optOK_->hasFocus() ? optOK_ : optCancel_)->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

// Nothing was stored: the box that stands in the way gets the focus and says what it takes.
void OptionsDialog::refuse(OptionsBox box) {
  QLineEdit* text = box == OptionsBox::StartLength ? txtStartLen_ : txtDelay_;
  const QString message = refusalMessage(box);
  text->setToolTip(message);
  text->setAccessibleDescription(message);
  text->setFocus(Qt::OtherFocusReason);
  text->selectAll();
  QToolTip::showText(text->mapToGlobal(QPoint(0, text->height())), message, text);
}

// What the player is told about a refused box: the limits that the fixed values set.
QString OptionsDialog::refusalMessage(OptionsBox box) const {
  switch (box) {
    case OptionsBox::StartLength:
      return tr("The start length must be a number from 1 to %1: the colours of the first round.")
          .arg(constants_.MaxSeqIndex + 1);
    case OptionsBox::Delay:
      //: %1 and %2 are the smallest and largest delay; %n is how long each flash lasts.
      return tr("The delay must be a number of milliseconds from %1 to %2: the pause between two "
                "flashes, which last %n milliseconds each.",
                nullptr, constants_.BlinkTime)
          .arg(1 - constants_.BlinkTime)
          .arg(std::numeric_limits<std::int32_t>::max() - constants_.BlinkTime);
  }
  return {};
}

}  // namespace zarlin
