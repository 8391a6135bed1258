#include "PlaceholderPage.h"

#include "pages/PageHost.h"

#include <QLabel>

CPlaceholderPage::CPlaceholderPage(CPageHost& host, const COptions& options, const QString& title,
                                   const QString& subtitle, HintRule hintRule, QWidget* parent)
    : CSubDialog(host, options, parent), m_hintRule(hintRule)
{
    Title()->setText(title);
    Subtitle()->setText(subtitle);
}

void CPlaceholderPage::InitFromData(CData& data)
{
    UpdateHint(&data);
}

void CPlaceholderPage::RefreshPage()
{
    UpdateHint(Host().GetData());
}

void CPlaceholderPage::UpdateHint(const CData* data)
{
    if (m_hintRule)
        Subtitle()->setVisible(!data || m_hintRule(*data));
}
