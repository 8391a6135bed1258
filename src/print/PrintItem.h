#pragma once

#include "print/PrintFont.h"

#include <QPoint>
#include <QRect>
#include <QString>

// One thing drawn on a printed page: a text in a rectangle, a line, or a picture stretched to a
// rectangle. Coordinates are device units of the printer; pages count from 1.
struct CPrintItem
{
    enum class EKind { Text, Line, Picture };

    EKind Kind = EKind::Text;
    int Page = 1;
    // Text: the text, its Qt::AlignmentFlag / Qt::TextFlag flags and its font.
    QString Text;
    int Flags = 0;
    CPrintFont Font;
    // Text and picture.
    QRect Rect;
    // Line.
    QPoint From;
    QPoint To;
    // Picture: the image file, loaded when the page is drawn.
    QString Path;
};
