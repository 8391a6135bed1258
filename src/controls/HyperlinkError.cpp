#include "HyperlinkError.h"

#include <array>

namespace {

struct CErrorText
{
    int Result;
    const char* Text;
};

constexpr std::array<CErrorText, 13> kErrorTexts = {{
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

} // namespace

QString HyperlinkErrorText(int result)
{
    for (const CErrorText& entry : kErrorTexts) {
        if (entry.Result == result)
            return QString::fromLatin1(entry.Text);
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(result);
}

QString HyperlinkErrorMessage(int result)
{
    return QStringLiteral("Unable to open hyperlink:\n\n") + HyperlinkErrorText(result);
}
