#include "PrintFontCache.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kReferenceSize = 1000;

QFont BoldFace(int pixelSize)
{
    QFont font(QString::fromLatin1(CPrintFontCache::kFace));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setItalic(false);
    font.setUnderline(false);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

} // namespace

const QFont& CPrintFontCache::Get(const CPrintFont& font)
{
    const auto key = std::make_pair(font.Height, font.Width);
    auto found = m_fonts.find(key);
    if (found == m_fonts.end())
        found = m_fonts.emplace(key, Create(font)).first;
    return found->second;
}

// The pixel size is the em size, which is smaller than the cell height by the face's ratio; the
// stretch makes the average character as wide as asked.
QFont CPrintFontCache::Create(const CPrintFont& font) const
{
    const QFontMetrics reference(BoldFace(kReferenceSize), &m_device);
    const int pixelSize =
        static_cast<int>(std::lround(double(font.Height) * kReferenceSize / std::max(1, reference.height())));
    QFont created = BoldFace(pixelSize);
    if (font.Width > 0) {
        const int natural = std::max(1, QFontMetrics(created, &m_device).averageCharWidth());
        created.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * font.Width / natural)), 1, 4000));
    }
    return created;
}
