#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <type_traits>

namespace model {

// A vector of small plain values that keeps its first N items inside itself, and only takes
// memory of its own beyond them. A frame holds six entries or fewer in practice; with a heap
// block for every frame, reading the largest document was mostly allocation.
template <typename T, std::size_t N>
class InlineVector {
    static_assert(std::is_trivially_copyable_v<T>, "items are moved as bytes");

public:
    using value_type = T;
    using size_type = std::size_t;
    using reference = T &;
    using const_reference = const T &;
    using iterator = T *;
    using const_iterator = const T *;

    InlineVector() = default;
    InlineVector(std::initializer_list<T> items) { assign(items.begin(), items.end()); }
    InlineVector(const InlineVector &other) { assign(other.begin(), other.end()); }
    InlineVector(InlineVector &&other) noexcept { take(other); }
    InlineVector &operator=(const InlineVector &other)
    {
        if (this != &other)
            assign(other.begin(), other.end());
        return *this;
    }
    InlineVector &operator=(InlineVector &&other) noexcept
    {
        if (this != &other) {
            mHeap.reset();
            take(other);
        }
        return *this;
    }

    template <typename It> void assign(It first, It last)
    {
        const auto count = std::size_t(std::distance(first, last));
        mSize = 0;
        reserve(count);
        std::copy(first, last, data());
        mSize = std::uint32_t(count);
    }

    T *data() { return mHeap ? mHeap.get() : mInline; }
    const T *data() const { return mHeap ? mHeap.get() : mInline; }
    std::size_t size() const { return mSize; }
    bool empty() const { return mSize == 0; }
    std::size_t capacity() const { return mCapacity; }

    iterator begin() { return data(); }
    iterator end() { return data() + mSize; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + mSize; }

    // Unchecked, as std::vector's: callers check the index against size() first.
    T &operator[](std::size_t i) { return data()[i]; }
    const T &operator[](std::size_t i) const { return data()[i]; }
    T &back() { return data()[mSize - 1]; }
    const T &back() const { return data()[mSize - 1]; }

    void reserve(std::size_t wanted)
    {
        if (wanted <= mCapacity)
            return;
        const std::size_t grown = std::max<std::size_t>(wanted, std::size_t(mCapacity) * 2);
        auto block = std::make_unique<T[]>(grown);
        std::copy_n(data(), mSize, block.get());
        mHeap = std::move(block);
        mCapacity = std::uint32_t(grown);
    }
    void resize(std::size_t count, const T &value = T{})
    {
        reserve(count);
        if (count > mSize)
            std::fill(data() + mSize, data() + count, value);
        mSize = std::uint32_t(count);
    }
    void push_back(const T &value)
    {
        reserve(mSize + 1);
        data()[mSize++] = value;
    }
    iterator erase(const_iterator position)
    {
        T *at = data() + (position - data());
        std::copy(at + 1, end(), at);
        --mSize;
        return at;
    }
    void clear() { mSize = 0; }

    friend bool operator==(const InlineVector &a, const InlineVector &b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    void take(InlineVector &other)
    {
        mHeap = std::move(other.mHeap);
        mSize = other.mSize;
        mCapacity = other.mCapacity;
        if (!mHeap)
            std::copy_n(other.mInline, mSize, mInline);
        other.mSize = 0;
        other.mCapacity = N;
    }

    std::unique_ptr<T[]> mHeap;
    std::uint32_t mSize = 0;
    std::uint32_t mCapacity = N;
    T mInline[N] = {};
};

} // namespace model
