#include "RegisterItemPool.h"

// The fields joined by a separator no register text holds, so that "a"+"bc" and "ab"+"c" differ.
void CRegisterItemPool::SetKey(std::string_view number, std::string_view text, std::string_view group)
{
    m_key.assign(number);
    m_key.push_back('\x1F');
    m_key.append(text);
    m_key.push_back('\x1F');
    m_key.append(group);
}
