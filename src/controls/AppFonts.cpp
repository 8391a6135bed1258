#include "AppFonts.h"

QFont CAppFonts::Bold(int pixelSize)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    return font;
}
