#pragma once
// The shapes a standard's data takes here: a number with the clause that gives it, a limit as
// the standard writes it beside its value, and a table of rows with its clause. Every header of
// this folder is one standard (or the choices several share), data only; a new table is a new
// constant of its standard's header, with its clause, and a new standard a new header.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mixora::standards {

// A number of a standard and where it stands ("式 4.0.1-1").
struct Constant {
    double value;
    std::string_view source;
};

// A limit as the standard writes it ("0.60") and its value. What compares the texts a user sees
// at their shown precision compares the text, digit for digit; a computation takes the value.
struct Limit {
    std::string_view text;
    double value;
};

// A table: where it stands ("表 5.1.2") and its rows.
template <class Row, std::size_t N> struct Table {
    std::string_view source;
    std::array<Row, N> rows;
};

// A clause with its standard, as a reader outside the standard's own design cites it:
// "JGJ 55-2011 表 6.1.2"; the standard alone when the clause is empty.
inline std::string Cited(std::string_view standard, std::string_view clause) {
    std::string text(standard);
    if (!clause.empty()) text += " " + std::string(clause);
    return text;
}

} // namespace mixora::standards
