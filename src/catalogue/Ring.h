#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

// Records of one kind in display order, owned by their container. The first record is the
// head; appending puts a record at the end; removing the head makes its successor the head.
// The order is the order of every list and of the data file. Records keep their address for
// their whole life, so other records may point at them.
template <class T> class CRing
{
    using Storage = std::vector<std::unique_ptr<T>>;

public:
    template <class Value, class Base> class CIterator
    {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;

        CIterator() = default;
        explicit CIterator(Base it) : m_it(it) {}
        reference operator*() const { return **m_it; }
        pointer operator->() const { return m_it->get(); }
        CIterator& operator++()
        {
            ++m_it;
            return *this;
        }
        CIterator operator++(int) { return CIterator(m_it++); }
        CIterator& operator--()
        {
            --m_it;
            return *this;
        }
        CIterator operator--(int) { return CIterator(m_it--); }
        bool operator==(const CIterator&) const = default;

    private:
        Base m_it{};
    };
    using iterator = CIterator<T, typename Storage::iterator>;
    using const_iterator = CIterator<const T, typename Storage::const_iterator>;

    CRing() = default;
    CRing(const CRing&) = delete;
    CRing& operator=(const CRing&) = delete;
    ~CRing() { Clear(); }

    iterator begin() { return iterator(m_records.begin()); }
    iterator end() { return iterator(m_records.end()); }
    const_iterator begin() const { return const_iterator(m_records.begin()); }
    const_iterator end() const { return const_iterator(m_records.end()); }

    bool IsEmpty() const { return m_records.empty(); }
    int Count() const { return static_cast<int>(m_records.size()); }
    // The first record, or none for an empty ring.
    T* Head() const { return m_records.empty() ? nullptr : m_records.front().get(); }
    T* At(int index) const { return m_records[index].get(); }

    // Position of `record` counted from the head, or -1 when it is not in this ring.
    int IndexOf(const T* record) const
    {
        for (size_t i = 0; i < m_records.size(); ++i) {
            if (m_records[i].get() == record)
                return static_cast<int>(i);
        }
        return -1;
    }
    bool Contains(const T* record) const { return IndexOf(record) >= 0; }

    T& Append(std::unique_ptr<T> record)
    {
        m_records.push_back(std::move(record));
        return *m_records.back();
    }

    // Unlinks and destroys `record`; a record of another ring is left alone.
    void Remove(const T* record)
    {
        const int index = IndexOf(record);
        if (index < 0)
            return;
        auto owned = std::move(m_records[index]);
        m_records.erase(m_records.begin() + index);
    }

    // Unlinks and destroys every record for which `doomed` holds, in one pass; the others keep
    // their order. Returns how many were removed.
    template <class Doomed> int RemoveIf(Doomed doomed)
    {
        const auto kept =
            std::remove_if(m_records.begin(), m_records.end(),
                           [&doomed](const std::unique_ptr<T>& record) { return doomed(*record); });
        const auto removed = std::distance(kept, m_records.end());
        m_records.erase(kept, m_records.end());
        return static_cast<int>(removed);
    }

    // Destroys every record, from the head onward.
    void Clear()
    {
        for (auto& record : m_records)
            record.reset();
        m_records.clear();
    }

    // Reorders stably: records that compare equal keep their relative order.
    template <class Less> void StableSort(Less less)
    {
        std::stable_sort(m_records.begin(), m_records.end(),
                         [&less](const auto& a, const auto& b) { return less(*a, *b); });
    }

private:
    Storage m_records;
};
