// Draws the icon files that an installation puts into the hicolor icon theme from the picture
// the program draws as its window icon (CProgramIcon::Paint): a PNG per size and a scalable
// SVG. The files are committed in packaging/icons; after a change of the picture run
//     build/bin/kk_render_icons packaging/icons
// and commit the result (tests/install/IconFilesTest.cpp fails until then).

#include "app/ProgramIcon.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

constexpr const char* kIconName = "de.kostenkoch.Kostenkoch";
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The SVG's own coordinate square; any size would do, the file scales.
constexpr int kSvgSize = 256;

bool WritePng(const QString& root, int size)
{
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    CProgramIcon::Paint(painter, size);
    painter.end();
    return QDir().mkpath(folder) && image.save(QStringLiteral("%1/%2.png").arg(folder, kIconName), "PNG", 9);
}

bool WriteSvg(const QString& root)
{
    const QString folder = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(folder))
        return false;
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(folder, kIconName));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Kostenkoch"));
    svg.setDescription(QStringLiteral("A cooking pot with steam on a red tile"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    CProgramIcon::Paint(painter, kSvgSize);
    return painter.end();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: kk_render_icons ICON_FOLDER\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool written = WriteSvg(root);
    for (const int size : kSizes)
        written = WritePng(root, size) && written;
    if (!written)
        std::fprintf(stderr, "kk_render_icons: cannot write the icons below %s\n", argv[1]);
    return written ? 0 : 1;
}
