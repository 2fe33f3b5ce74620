// What differs between the six colour button windows; everything else they share.
#pragma once

#include <QPoint>
#include <array>

#include "engine/colour.h"
#include "window_parts/twips.h"

namespace zarlin {

struct ColourDesign {
  ColourNumber number;
  const char* name;      // the window's name and caption
  const char* face;      // the colour face's picture
  const char* viewItem;  // the View menu item that shows the window
  const char* viewCaption;
  QPoint position;  // of the client area's top-left corner on the screen
};

// In colour-number order. The right column is not straight: Black stands one pixel left of White.
inline const std::array<ColourDesign, 6> ColourFamily = {{
    {White, "White", "white_face.xpm", "V_White", "&White", TwipsPoint(3690, 3345)},
    {Yellow, "Yellow", "yellow_face.xpm", "V_Yellow", "&Yellow", TwipsPoint(2865, 3345)},
    {Red, "Red", "red_face.xpm", "V_Red", "&Red", TwipsPoint(2040, 3345)},
    {Green, "Green", "green_face.xpm", "V_Green", "&Green", TwipsPoint(2040, 2280)},
    {Blue, "Blue", "blue_face.xpm", "V_Blue", "Bl&ue", TwipsPoint(2865, 2280)},
    {Black, "Black", "black_face.xpm", "V_Black", "Bl&ack", TwipsPoint(3675, 2280)},
}};

inline const ColourDesign& DesignOf(ColourNumber colour) {
  return ColourFamily[ColourIndex(colour)];
}

}  // namespace zarlin
