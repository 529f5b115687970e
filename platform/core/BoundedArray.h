#pragma once

#include <array>
#include <stdexcept>
#include <string>

namespace talvo {

// An index outside the declared bounds, reported as "Subscript out of range".
class SubscriptOutOfRange : public std::out_of_range
{
public:
    explicit SubscriptOutOfRange(long index, long lower, long upper)
        : std::out_of_range("Subscript out of range: " + std::to_string(index) + " not in " + std::to_string(lower) +
                            " To " + std::to_string(upper))
    {
    }
};

// A fixed-size array with inclusive bounds (0 To 18 holds 19 elements). Every access is checked, so a count
// taken from a file can never write past the end.
template <typename T, int Lower, int Upper>
class BoundedArray
{
    static_assert(Upper >= Lower);

public:
    static constexpr int LBound = Lower;
    static constexpr int UBound = Upper;
    static constexpr int Size = Upper - Lower + 1;

    static constexpr bool inBounds(long i) { return i >= Lower && i <= Upper; }

    T& operator()(long i) { return items_[slot(i)]; }
    const T& operator()(long i) const { return items_[slot(i)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    void fill(const T& value) { items_.fill(value); }

private:
    static std::size_t slot(long i)
    {
        if (!inBounds(i))
            throw SubscriptOutOfRange(i, Lower, Upper);
        return static_cast<std::size_t>(i - Lower);
    }

    std::array<T, Size> items_{};
};

// A two-dimensional fixed-size array with inclusive bounds, indexed (row, column).
template <typename T, int Rows0, int Rows1, int Cols0, int Cols1>
class BoundedMatrix
{
public:
    using Row = BoundedArray<T, Cols0, Cols1>;
    static constexpr int RowLBound = Rows0;
    static constexpr int RowUBound = Rows1;
    static constexpr int ColLBound = Cols0;
    static constexpr int ColUBound = Cols1;

    T& operator()(long i, long j) { return rows_(i)(j); }
    const T& operator()(long i, long j) const { return rows_(i)(j); }

    void fill(const T& value)
    {
        for (auto& row : rows_)
            row.fill(value);
    }

private:
    BoundedArray<Row, Rows0, Rows1> rows_;
};

} // namespace talvo
