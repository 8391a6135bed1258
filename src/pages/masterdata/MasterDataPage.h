#pragma once

#include "pages/common/SubDialog.h"

class QLineEdit;

// A master data page: a form over catalogue fields that the main window fills and takes back.
// A number field whose text the user changed to something that is no number stops every
// transfer (save, exit, tab or section change) until it reads or shows the stored value again.
class CMasterDataPage : public CSubDialog
{
    Q_OBJECT

public:
    using CSubDialog::CSubDialog;

    // The first field that stops a transfer; null when every field reads.
    virtual QLineEdit* RefusedField() const { return nullptr; }
};
