#include "RecipePicture.h"

#include <QImageReader>

namespace {

void Prepare(QImageReader& reader)
{
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
}

// The reader gives the size as stored; a quarter turn swaps its sides.
QSize Upright(const QImageReader& reader, const QSize& stored)
{
    const bool turned = (reader.transformation() & QImageIOHandler::TransformationRotate90) != 0;
    return turned ? stored.transposed() : stored;
}

} // namespace

QSize CRecipePicture::Size(const QString& path)
{
    QImageReader reader(path);
    Prepare(reader);
    const QSize stored = reader.size();
    if (!reader.canRead() || stored.isEmpty())
        return {};
    return Upright(reader, stored);
}

QImage CRecipePicture::Read(const QString& path, const QSize& bound)
{
    QImageReader reader(path);
    Prepare(reader);
    const QSize stored = reader.size();
    const QSize upright = Upright(reader, stored);
    if (!bound.isEmpty() && (upright.width() > bound.width() || upright.height() > bound.height()))
        reader.setScaledSize(Upright(reader, upright.scaled(bound, Qt::KeepAspectRatio)));
    return reader.read();
}
