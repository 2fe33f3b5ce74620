// The information dialogs: fixed texts (and, in two of them, pictures) in a resizable window
// whose controls keep their places. Ok hides the dialog; the close box destroys it.
#pragma once

#include <QDialog>
#include <QRect>
#include <optional>
#include <vector>

namespace zarlin {

struct LabelDesign {
  const char* name;
  QString text;
  QRect rect;
};

struct InfoDesign {
  const char* name;
  QString caption;
  QSize clientSize;
  bool maximiseBox;
  std::optional<QRect> ok;  // the Ok button, where the dialog has one
  std::vector<LabelDesign> labels;
};

class InfoDialog : public QDialog {
  Q_OBJECT

 public:
  explicit InfoDialog(const InfoDesign& design);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool hasOk_;
};

}  // namespace zarlin
