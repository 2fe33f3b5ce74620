// The pictures compiled into the program, by file name ("red_face.xpm").
#pragma once

#include <QPixmap>

namespace zarlin {

QPixmap Picture(const QString& fileName);

}  // namespace zarlin
