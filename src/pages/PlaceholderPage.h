#pragma once

#include "pages/SubDialog.h"

#include <QString>

// A work page whose controls come later: it shows its heading, its subtitle and the help
// button, and otherwise behaves like the page it stands for (scrolling, place beside the bar).
// A subtitle that is a hint ("Sobald Sie …") shows only while the hint is true.
class CPlaceholderPage : public CSubDialog
{
    Q_OBJECT

public:
    // Whether the hint is true for a catalogue; null for a subtitle that always shows.
    using HintRule = bool (*)(const CData& data);

    CPlaceholderPage(CPageHost& host, const COptions& options, const QString& title, const QString& subtitle,
                     HintRule hintRule = nullptr, QWidget* parent = nullptr);

    void InitFromData(CData& data) override;
    void RefreshPage() override;

private:
    void UpdateHint(const CData* data);

    HintRule m_hintRule;
};
