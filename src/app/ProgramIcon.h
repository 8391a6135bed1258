#pragma once

#include <QIcon>

// The program's icon, drawn at run time in the sizes a desktop asks for: a white cooking pot
// with steam on a warm red tile.
class CProgramIcon
{
public:
    static QIcon Create();

private:
    static QPixmap Draw(int size);
};
