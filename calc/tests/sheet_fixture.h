#pragma once
// A reset sheet in memory with recorded notices, the PRC number settings, and ways to press
// "计算" or run one step on it.
#include "design_values.h"
#include "press.h"
#include "steps.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace mixora::calc {

inline void PrintTo(const CalcError& e, std::ostream* os) {
    *os << "{fault " << static_cast<int>(e.fault) << ", step " << static_cast<int>(e.step) << ", "
        << (e.field ? FieldName(*e.field) : "no field") << "}";
}

struct RecordedNotices final : Notices {
    std::vector<std::string> messages;
    void notify(std::string_view message) override { messages.emplace_back(message); }
};

class SheetTest : public ::testing::Test {
  protected:
    SheetTest() { qk(sheet); }

    std::optional<CalcError> press() { return Press(sheet, notices, format); }

    // Runs one operation alone; the fault it ended with, if any.
    template <class Operation> std::optional<CalcError> run(Operation operation) {
        try {
            operation(PressContext{sheet, notices, format});
        } catch (const PressAborted& aborted) {
            return aborted.error;
        }
        return std::nullopt;
    }

    void set(std::initializer_list<std::pair<Field, const char*>> texts) {
        for (const auto& [field, text] : texts)
            sheet.set_text(field, text);
    }

    // The eight cells of the result frame: amounts Text11–14, then proportions Text30–33.
    std::vector<std::string> frame() const {
        std::vector<std::string> cells;
        for (const Field field : {Text11, Text12, Text13, Text14, Text30, Text31, Text32, Text33})
            cells.push_back(sheet.text(field));
        return cells;
    }

    // The four intermediate fields Text2, Text8, Text10, Text4.
    std::vector<std::string> intermediates() const {
        return {sheet.text(Text2), sheet.text(Text8), sheet.text(Text10), sheet.text(Text4)};
    }

    // Intermediate results filled in, so the design stage runs nothing.
    void design(const char* cement) {
        set({{Text2, "26.58"}, {Text8, "0.52"}, {Text10, "1.92"}, {Text4, cement}});
    }

    MemorySheet sheet;
    RecordedNotices notices;
    NumberFormat format;
};

using Frame = std::vector<std::string>;

template <std::size_t N> Frame AsTexts(const std::array<std::string_view, N>& texts) {
    return {texts.begin(), texts.end()};
}
inline const Frame kResetFrame = {"水泥", "砂", "石子", "水", "", "", "", ""};

} // namespace mixora::calc
