// What differs between the six colour button windows; everything else they share.
#pragma once

#include <QPoint>
#include <QtGlobal>
#include <array>

#include "engine/colour.h"
#include "window_parts/twips.h"

namespace zarlin {

struct ColourDesign {
  ColourNumber number;
  const char* name;         // the window's name, and its caption before translation
  const char* face;         // the colour face's picture
  const char* viewItem;     // the View menu item that shows the window
  const char* viewCaption;  // before translation
  QPoint position;          // of the client area's top-left corner on the screen
};

// In colour-number order. The right column is not straight: Black stands one pixel left of White.
// The captions are translated where they are shown: the window's in its own context, the View
// menu's in the main window's.
inline const std::array<ColourDesign, 6> ColourFamily = {{
    {White, QT_TRANSLATE_NOOP("zarlin::ColourWindow", "White"), "white_face.xpm", "V_White",
     QT_TRANSLATE_NOOP("zarlin::MainWindow", "&White"), TwipsPoint(3690, 3345)},
    {Yellow, QT_TRANSLATE_NOOP("zarlin::ColourWindow", "Yellow"), "yellow_face.xpm", "V_Yellow",
     QT_TRANSLATE_NOOP("zarlin::MainWindow", "&Yellow"), TwipsPoint(2865, 3345)},
    {Red, QT_TRANSLATE_NOOP("zarlin::ColourWindow", "Red"), "red_face.xpm", "V_Red",
     QT_TRANSLATE_NOOP("zarlin::MainWindow", "&Red"), TwipsPoint(2040, 3345)},
    {Green, QT_TRANSLATE_NOOP("zarlin::ColourWindow", "Green"), "green_face.xpm", "V_Green",
     QT_TRANSLATE_NOOP("zarlin::MainWindow", "&Green"), TwipsPoint(2040, 2280)},
    {Blue, QT_TRANSLATE_NOOP("zarlin::ColourWindow", "Blue"), "blue_face.xpm", "V_Blue",
     QT_TRANSLATE_NOOP("zarlin::MainWindow", "Bl&ue"), TwipsPoint(2865, 2280)},
    {Black, QT_TRANSLATE_NOOP("zarlin::ColourWindow", "Black"), "black_face.xpm", "V_Black",
     QT_TRANSLATE_NOOP("zarlin::MainWindow", "Bl&ack"), TwipsPoint(3675, 2280)},
}};

inline const ColourDesign& DesignOf(ColourNumber colour) {
  return ColourFamily[ColourIndex(colour)];
}

}  // namespace zarlin
