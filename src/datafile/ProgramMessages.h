#pragma once

#include "platform/MessageService.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <initializer_list>
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
    // The text of `stringId` with "%1", "%2", ... replaced by the values in order.
    static std::string Format(int stringId, std::initializer_list<std::string> values)
    {
        std::string text = CStringTables::Load(stringId);
        int number = 1;
        for (const std::string& value : values) {
            const std::string placeholder = "%" + std::to_string(number++);
            for (auto at = text.find(placeholder); at != std::string::npos;
                 at = text.find(placeholder, at + value.size()))
                text.replace(at, placeholder.size(), value);
        }
        return text;
    }
    static CMessageService::EAnswer AskYesNoCancel(CMessageService& messages, int stringId)
    {
        return messages.AskYesNoCancel(CStringTables::Load(stringId), CStringTables::Load(kCaption));
    }
};
