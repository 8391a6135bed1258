#pragma once

#include "print/PrintFont.h"

#include <QFont>
#include <map>
#include <utility>

class QPaintDevice;

// The fonts of one print job, created once per description. The face is "Arial", bold (Liberation
// Sans where Arial is not installed, which has the same metrics). A description's height is the
// cell height (ascent + descent) in device units; its width the average character width, which
// the font reaches by stretching.
class CPrintFontCache
{
public:
    explicit CPrintFontCache(const QPaintDevice& device) : m_device(device) {}

    const QFont& Get(const CPrintFont& font);
    // How many fonts were created so far.
    int Count() const { return static_cast<int>(m_fonts.size()); }

    static constexpr const char* kFace = "Arial";

private:
    QFont Create(const CPrintFont& font) const;

    const QPaintDevice& m_device;
    std::map<std::pair<int, int>, QFont> m_fonts;
};
