#pragma once

#include "pages/SubDialog.h"

#include <QString>

// A work page whose controls come later: it shows its heading, its subtitle and the help
// button, and otherwise behaves like the page it stands for (scrolling, place beside the bar).
class CPlaceholderPage : public CSubDialog
{
    Q_OBJECT

public:
    CPlaceholderPage(CPageHost& host, const COptions& options, const QString& title, const QString& subtitle,
                     QWidget* parent = nullptr);
};
