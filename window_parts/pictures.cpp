// Loads pictures from the resources compiled into the program.
#include "pictures.h"

#include <QtCore/qglobal.h>

static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace zarlin {

QPixmap Picture(const QString& fileName) {
  // The resources live in a static library: naming their initialiser keeps them linked in.
  static const bool loaded = (InitPictureResources(), true);
  Q_UNUSED(loaded);
  return QPixmap(":/pictures/" + fileName);
}

}  // namespace zarlin
