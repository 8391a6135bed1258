#pragma once

#include "TarnXMLErrors.h"
#include "TarnXMLException.h"

#include <cstddef>
#include <memory>
#include <new>

// A parser stack of fixed capacity, allocated when parsing starts. Pushing onto a full stack
// and reading or popping an empty one throw code 7; failure to allocate throws code 0.
template <typename T> class CTarnXMLStack
{
public:
    explicit CTarnXMLStack(std::size_t capacity)
        : m_items(new (std::nothrow) T[capacity ? capacity : 1]), m_capacity(capacity)
    {
        if (!m_items)
            ThrowTarnXMLError(CTarnXMLException::NoMemory);
    }

    void Push(const T& item)
    {
        if (m_size == m_capacity)
            ThrowTarnXMLError(CTarnXMLException::StackOverflow);
        m_items[m_size++] = item;
    }
    T Pop()
    {
        if (m_size == 0)
            ThrowTarnXMLError(CTarnXMLException::StackOverflow);
        return m_items[--m_size];
    }
    T& Top()
    {
        if (m_size == 0)
            ThrowTarnXMLError(CTarnXMLException::StackOverflow);
        return m_items[m_size - 1];
    }
    // Index of the top entry; only valid when the stack is not empty.
    std::size_t TopIndex() const { return m_size - 1; }
    bool Empty() const { return m_size == 0; }

private:
    std::unique_ptr<T[]> m_items;
    std::size_t m_capacity;
    std::size_t m_size = 0;
};
