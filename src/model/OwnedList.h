#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zizaza {

// A list that owns its elements, in insertion order. The position of an element is its number in
// the declaration file. An index outside the list raises std::out_of_range instead of touching
// memory that does not belong to the list.
template <class T>
class OwnedList {
public:
    OwnedList() = default;
    OwnedList(OwnedList&&) noexcept = default;
    OwnedList& operator=(OwnedList&&) noexcept = default;
    // Copies are deep: every element is copied.
    OwnedList(const OwnedList& other) {
        m_items.reserve(other.m_items.size());
        for (const auto& e : other.m_items)
            m_items.push_back(std::make_unique<T>(*e));
    }
    OwnedList& operator=(const OwnedList& other) {
        if (this != &other) {
            OwnedList copy(other);
            *this = std::move(copy);
        }
        return *this;
    }

    // Appends a new element made by T's default constructor; returns its position.
    size_t Add() { return Append(std::make_unique<T>()); }
    size_t Append(std::unique_ptr<T> element) {
        if (!element)
            throw std::invalid_argument("OwnedList::Append: no element");
        m_items.push_back(std::move(element));
        return m_items.size() - 1;
    }

    T& At(size_t i) { return *m_items.at(check(i)); }
    const T& At(size_t i) const { return *m_items.at(check(i)); }
    size_t Count() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }

    // With an element, it takes position i (the old one is freed); with none, the element at i is
    // freed and the later ones move up.
    void Set(size_t i, std::unique_ptr<T> element) {
        check(i);
        if (element)
            m_items[i] = std::move(element);
        else
            m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
    }
    void Clear() { m_items.clear(); }

    // Equal when the counts are and the elements are pairwise (the element type's ==).
    bool operator==(const OwnedList& other) const {
        if (m_items.size() != other.m_items.size())
            return false;
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (!(*m_items[i] == *other.m_items[i]))
                return false;
        }
        return true;
    }

    // Iteration over the elements (as references) for readers such as the calculation.
    template <class It, class Ref>
    class Iter {
    public:
        explicit Iter(It it) : m_it(it) {}
        Ref operator*() const { return **m_it; }
        Iter& operator++() {
            ++m_it;
            return *this;
        }
        bool operator==(const Iter& o) const { return m_it == o.m_it; }

    private:
        It m_it;
    };
    using iterator = Iter<typename std::vector<std::unique_ptr<T>>::iterator, T&>;
    using const_iterator = Iter<typename std::vector<std::unique_ptr<T>>::const_iterator, const T&>;
    iterator begin() { return iterator(m_items.begin()); }
    iterator end() { return iterator(m_items.end()); }
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

private:
    size_t check(size_t i) const {
        if (i >= m_items.size())
            throw std::out_of_range("position " + std::to_string(i) + " outside a list of " +
                                    std::to_string(m_items.size()));
        return i;
    }

    std::vector<std::unique_ptr<T>> m_items;
};

}  // namespace zizaza
