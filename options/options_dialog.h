// Options for Zarlin: the dialog in which the player sets the number of colours, the pattern
// mode, the start length and the playback delay. It holds no copy of the settings: between
// opening and OK the values live only in its controls. It is made hidden, filled from the
// settings; Game > Options shows it.
#pragma once

#include <QWidget>
#include <array>

#include "engine/game_variables.h"
#include "engine/options_form.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zarlin {

class OptionsDialog : public QWidget {
  Q_OBJECT

 public:
  OptionsDialog(GameVariables& vars, const GameConstants& constants);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Form_Load();
  void optOK_Click();
  void optCancel_Click();
  void refuse(OptionsBox box);
  QString refusalMessage(OptionsBox box) const;
  void addColourCount(int count, QRect rect);
  void keepFocusOnTheSelectedCount();

  GameVariables& vars_;
  const GameConstants& constants_;
  std::array<QRadioButton*, 5> rbnColors_{};  // rbn2Colors to rbn6Colors
  QCheckBox* chkSeqPattern_;
  QLineEdit* txtStartLen_;
  QLineEdit* txtDelay_;
  QPushButton* optOK_;
  QPushButton* optCancel_;
};

}  // namespace zarlin
