#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The rendered text of a data file in one buffer of its own, which is handed out without
// clearing it first: every byte of the text is written once.
class CDataFileText
{
public:
    CDataFileText() = default;
    CDataFileText(std::unique_ptr<char[]> bytes, std::size_t size) : m_bytes(std::move(bytes)), m_size(size)
    {}

    std::string_view View() const { return {m_bytes.get(), m_size}; }
    std::string ToString() const { return std::string(View()); }

private:
    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size = 0;
};
