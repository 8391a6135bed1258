#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reads a recipe's picture the one way the program shows and prints it: the format found from
// the contents (a picture with a wrong ending still loads), turned upright by the orientation a
// camera stored in it, and decoded no larger than it is drawn.
class CRecipePicture
{
public:
    // The size of the upright picture; empty when the file is no picture that can be read.
    static QSize Size(const QString& path);
    // The upright picture, scaled down to fit `bound` with its proportions kept when it is
    // larger (an empty bound keeps the full size); a null image when the file cannot be read.
    static QImage Read(const QString& path, const QSize& bound = {});
};
