#pragma once
// How a step writes a quantity into the result and reads the ones it needs: a computed value
// is rounded to the quantity's precision and later steps read only what is shown.
#include "result.h"

#include <optional>
#include <string>
#include <vector>

namespace mixora::jgj55 {

// raw rounded to the quantity's precision (自动).
void SetComputed(Result& result, Quantity quantity, double raw, std::string source,
                 std::string note = {});
void SetNotNeeded(Result& result, Quantity quantity, std::string reason);
void SetUnavailable(Result& result, Quantity quantity, std::string reason);

// When the user gave a value: takes it if it is a finite number above zero (and below
// `below`, when given), else makes the quantity unavailable saying so. False when nothing
// was given, so the step derives it.
bool TakeGiven(Result& result, Quantity quantity, const std::optional<double>& given,
               std::optional<double> below = std::nullopt);

// "粉煤灰掺量" as the reasons name quantities: "fb（胶凝材料 28 d 胶砂抗压强度）".
std::string Named(Quantity quantity);

// The values a step needs; the ones missing make its reason: "等待 fb（…）、fcu,0（…）".
class Needs {
  public:
    explicit Needs(const Result& result) : result_(result) {}
    // The shown value, or 0 after noting that it is missing.
    double operator()(Quantity quantity);
    bool Missing() const { return !missing_.empty(); }
    std::string Reason() const;

  private:
    const Result& result_;
    std::vector<Quantity> missing_;
};

// A number written for a reason or source: at least `decimals` places, more when it has them.
std::string Num(double value, int decimals = 0);

} // namespace mixora::jgj55
