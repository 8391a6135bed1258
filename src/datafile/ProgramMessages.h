#pragma once

#include "platform/MessageService.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <string>

// The program's message boxes: texts in the current language under the caption string 102.
class CProgramMessages
{
public:
    static constexpr int kCaption = StringId::kCaption;

    static void ShowText(CMessageService& messages, const std::string& text)
    {
        messages.ShowMessage(text, CStringTables::Load(kCaption));
    }
    static void Show(CMessageService& messages, int stringId)
    {
        ShowText(messages, CStringTables::Load(stringId));
    }
    // True for Yes.
    static bool AskYesNo(CMessageService& messages, const std::string& text)
    {
        return messages.AskYesNo(text, CStringTables::Load(kCaption)) == CMessageService::Yes;
    }
    static CMessageService::EAnswer AskYesNoCancel(CMessageService& messages, int stringId)
    {
        return messages.AskYesNoCancel(CStringTables::Load(stringId), CStringTables::Load(kCaption));
    }
};
