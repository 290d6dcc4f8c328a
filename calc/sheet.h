#pragma once
// The design sheet as the calculator sees it: 33 text fields and six option/check controls.
// The window backs it with its controls, tests with memory. A write is visible at once, so a
// press that stops half-way leaves exactly what it wrote before.
#include "field.h"

#include <array>
#include <string>
#include <string_view>

namespace mixora::calc {

// The option buttons (option1/option2, 细砂/粗砂 are exclusive pairs) and the check boxes.
enum class Toggle { option1, option2, 细砂, 粗砂, 卵石, 碎石 };

// FieldIndex of a field, throwing std::out_of_range for a value that names none.
std::size_t CheckedFieldIndex(Field field);

// The option button that turning t on turns off; a check box is its own partner.
Toggle Partner(Toggle t);

class Sheet {
  public:
    virtual ~Sheet() = default;
    // A field's text as UTF-8. A Field value that names no field (made by a cast) throws
    // std::out_of_range from every sheet: it is a programming error, never a user's.
    virtual std::string text(Field field) const = 0;
    virtual void set_text(Field field, std::string_view text) = 0;
    virtual bool is_on(Toggle t) const = 0;
    // Turning an option button on turns its partner off; check boxes are independent.
    virtual void set_on(Toggle t, bool on) = 0;

    bool is_empty(Field field) const { return text(field).empty(); }
};

// A sheet held in memory (tests, and anything that needs no window).
class MemorySheet final : public Sheet {
  public:
    std::string text(Field field) const override;
    void set_text(Field field, std::string_view text) override;
    bool is_on(Toggle t) const override;
    void set_on(Toggle t, bool on) override;

  private:
    std::array<std::string, kFieldCount> texts_{};
    std::array<bool, 6> toggles_{};
};

// Where the calculator's own notices go ("水泥用量小于最小值 故取260"); the window shows a
// message box, tests record them.
class Notices {
  public:
    virtual ~Notices() = default;
    virtual void notify(std::string_view message) = 0;
};

} // namespace mixora::calc
