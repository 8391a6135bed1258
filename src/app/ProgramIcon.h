#pragma once

#include <QIcon>

class QPainter;

// The program's icon, drawn at run time in the sizes a desktop asks for: a white cooking pot
// with steam on a warm red tile.
class CProgramIcon
{
public:
    static QIcon Create();
    // Paints the icon into the square (0, 0, size, size) of any device; the icon files of an
    // installation are drawn with it.
    static void Paint(QPainter& painter, double size);

private:
    static QPixmap Draw(int size);
};
