#!/usr/bin/env python3
"""Draws Zarlin's pictures into assets/: the seven button faces, the program picture and the
maker's logo of the about dialogs (XPM, compiled into the program), and the launcher icons made
from the program picture (PNG at 16, 32, 48 and 256 pixels, and SVG). The PNGs need ImageMagick.
Run it after changing a drawing here; the window tests check the pixels that matter."""
import os
import subprocess

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'assets')

FACES = {'white': '#FFFFFF', 'yellow': '#FFFF00', 'red': '#FF0000', 'green': '#00FF00',
         'blue': '#0000FF', 'black': '#000000', 'dark_grey': '#808080'}
PALETTE = {'k': '#000000', 'w': '#FFFFFF', 'm': '#7F7F7F', 'r': '#FF0000', 'b': '#0000FF',
           'g': '#00FF00', 'y': '#FFFF00', '.': None}
# The program picture's cells: two rows of three, left to right.
CELLS = [['r', 'b', 'k'], ['g', 'y', 'w']]


def write_xpm(path, name, grid, colours):
    keys = sorted(set(''.join(grid)))
    with open(path, 'w') as f:
        f.write('/* XPM */\n')
        f.write(f'static const char *{name}[] = {{\n')
        f.write(f'"{len(grid[0])} {len(grid)} {len(keys)} 1",\n')
        for key in keys:
            f.write(f'"{key} c {colours[key]}",\n')
        f.write(',\n'.join(f'"{row}"' for row in grid) + '\n};\n')


def program_picture(size):
    """A one-pixel black frame around two rows of three cells (10 x 15 each at 32 pixels)."""
    grid = [['k'] * size for _ in range(size)]
    inner = size - 2
    for y in range(inner):
        for x in range(inner):
            grid[1 + y][1 + x] = CELLS[y * 2 // inner][x * 3 // inner]
    return [''.join(row) for row in grid]


def makers_logo():
    """A grey square in a black outline whose sides run on, pinwheel-wise, into four triangles
    that lie against the edges, 13 pixels wide and 7 deep, pointing back at their lines."""
    grid = [['w'] * 48 for _ in range(48)]
    for y in range(18, 30):
        for x in range(18, 30):
            grid[y][x] = 'k' if x in (18, 29) or y in (18, 29) else 'm'
    for i in range(6, 18):
        grid[i][18] = 'k'       # the left side runs on upwards
        grid[29][i] = 'k'       # the bottom side runs on to the left
    for i in range(30, 42):
        grid[18][i] = 'k'       # the top side runs on to the right
        grid[i][29] = 'k'       # the right side runs on downwards

    def triangle(fill, place):
        for depth in range(7):
            half = 6 - depth
            for offset in range(-half, half + 1):
                x, y = place(depth, offset)
                grid[y][x] = 'k' if depth == 0 or abs(offset) == half else fill
    triangle('y', lambda d, o: (18 + o, d))
    triangle('r', lambda d, o: (47 - d, 18 + o))
    triangle('b', lambda d, o: (29 + o, 47 - d))
    triangle('g', lambda d, o: (d, 29 + o))
    return [''.join(row) for row in grid]


def svg_icon(path):
    rects = ['<rect width="32" height="32" fill="#000000"/>']
    for row in range(2):
        for col in range(3):
            colour = PALETTE[CELLS[row][col]]
            rects.append(f'<rect x="{1 + 10 * col}" y="{1 + 15 * row}" width="10" height="15" '
                         f'fill="{colour}"/>')
    with open(path, 'w') as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
                'viewBox="0 0 32 32" shape-rendering="crispEdges">\n  ')
        f.write('\n  '.join(rects) + '\n</svg>\n')


def main():
    for name, colour in FACES.items():
        write_xpm(os.path.join(ASSETS, f'{name}_face.xpm'), f'{name}_face', ['.' * 48] * 48,
                  {'.': colour})
    write_xpm(os.path.join(ASSETS, 'zarlin_picture.xpm'), 'zarlin_picture', program_picture(32),
              PALETTE)
    write_xpm(os.path.join(ASSETS, 'quorvel_logo.xpm'), 'quorvel_logo', makers_logo(), PALETTE)

    icons = os.path.join(ASSETS, 'icons')
    os.makedirs(icons, exist_ok=True)
    svg_icon(os.path.join(icons, 'zarlin.svg'))
    for size in (16, 32, 48, 256):
        drawn = os.path.join(icons, f'zarlin-{size}.xpm')
        # Small sizes are drawn afresh, so the frame stays whole; 256 is the 32 one, enlarged.
        write_xpm(drawn, 'icon', program_picture(32 if size == 256 else size), PALETTE)
        scale = ['-filter', 'point', '-resize', '256x256'] if size == 256 else []
        subprocess.run(['convert', drawn, *scale, '-strip',
                        os.path.join(icons, f'zarlin-{size}.png')], check=True)
        os.remove(drawn)


if __name__ == '__main__':
    main()
