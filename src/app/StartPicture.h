#pragma once

#include <QImage>

// The picture of the start-up window, drawn at run time: the program's name over a calm
// kitchen scene (a soft gradient, a pot with steam, a chef's hat and a few herbs). The lowest
// 60 pixels stay a plain light band, so the window's two text lines read well on it.
class CStartPicture
{
public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 370;
    // Where the plain band for the text lines begins.
    static constexpr int kTextBandTop = 312;

    static QImage Render();
};
