#include "PlaceholderPage.h"

#include <QLabel>

CPlaceholderPage::CPlaceholderPage(CPageHost& host, const COptions& options, const QString& title,
                                   const QString& subtitle, QWidget* parent)
    : CSubDialog(host, options, parent)
{
    Title()->setText(title);
    Subtitle()->setText(subtitle);
}
