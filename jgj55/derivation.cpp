#include "derivation.h"

#include "shown_value.h"

#include <cmath>

namespace mixora::jgj55 {

void SetComputed(Result& result, Quantity quantity, double raw, std::string source,
                 std::string note) {
    Parameter& parameter = result[quantity];
    const int decimals = InfoOf(quantity).decimals;
    const double shown = RoundShown(raw, decimals);
    if (!std::isfinite(shown)) {
        SetUnavailable(result, quantity, "计算结果不是有限数值，请检查输入");
        return;
    }
    parameter.value = shown;
    parameter.text = FormatFixed(raw, decimals);
    parameter.origin = Origin::Automatic;
    parameter.source = std::move(source);
    parameter.reason.clear();
    parameter.note = std::move(note);
}

void SetNotNeeded(Result& result, Quantity quantity, std::string reason) {
    result[quantity] = Parameter{std::nullopt, {}, Origin::NotNeeded, {}, std::move(reason), {}};
}

void SetUnavailable(Result& result, Quantity quantity, std::string reason) {
    result[quantity] = Parameter{std::nullopt, {}, Origin::Unavailable, {}, std::move(reason), {}};
}

bool TakeGiven(Result& result, Quantity quantity, const std::optional<double>& given,
               std::optional<double> below) {
    if (!given) return false;
    const QuantityInfo& info = InfoOf(quantity);
    const double value = *given;
    if (!std::isfinite(value) || value <= 0.0 || (below && value >= *below)) {
        std::string reason = "给定的 " + std::string(info.symbol) + " 须为大于 0";
        if (below) reason += "、小于 " + Num(*below);
        SetUnavailable(result, quantity, reason + " 的数");
        return true;
    }
    result[quantity] =
        Parameter{value, FormatGiven(value, info.decimals), Origin::Given, "给定", {}, {}};
    return true;
}

std::string Named(Quantity quantity) {
    const QuantityInfo& info = InfoOf(quantity);
    return std::string(info.symbol) + "（" + std::string(info.name) + "）";
}

double Needs::operator()(Quantity quantity) {
    const Parameter& parameter = result_[quantity];
    if (parameter.value) return *parameter.value;
    missing_.push_back(quantity);
    return 0.0;
}

std::string Needs::Reason() const {
    std::string reason = "等待 ";
    for (std::size_t i = 0; i < missing_.size(); ++i) {
        if (i > 0) reason += "、";
        reason += Named(missing_[i]);
    }
    return reason;
}

std::string Num(double value, int decimals) {
    return FormatGiven(value, decimals);
}

} // namespace mixora::jgj55
