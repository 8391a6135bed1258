#include "MasterDataTransfer.h"

#include "datafile/ProgramMessages.h"
#include "pages/masterdata/MasterDataPage.h"
#include "resources/StringIds.h"

#include <QLineEdit>

namespace {

QLineEdit* FirstRefusedField(std::span<CSubDialog* const> pages)
{
    for (CSubDialog* page : pages) {
        const auto* masterDataPage = qobject_cast<const CMasterDataPage*>(page);
        if (QLineEdit* field = masterDataPage ? masterDataPage->RefusedField() : nullptr)
            return field;
    }
    return nullptr;
}

} // namespace

bool MasterDataTransfer::Take(std::span<CSubDialog* const> pages, CData& data, CMessageService& messages)
{
    if (QLineEdit* refused = FirstRefusedField(pages)) {
        CProgramMessages::Show(messages, StringId::kEnterNumber);
        refused->setFocus(Qt::OtherFocusReason);
        refused->selectAll();
        return false;
    }
    bool keptNone = true;
    for (CSubDialog* page : pages)
        keptNone = page->TakeIntoData(data) && keptNone;
    if (!keptNone)
        CProgramMessages::Show(messages, StringId::kGroupNameKept);
    return true;
}
