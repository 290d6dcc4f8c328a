#include "design_document.h"

#include <stdexcept>
#include <utility>

namespace mixora::document {

std::optional<calc::Toggle> BothOfAPairOn(const DesignSnapshot& snapshot) {
    for (const calc::Toggle first : {calc::Toggle::option1, calc::Toggle::细砂})
        if (snapshot.is_on(first) && snapshot.is_on(calc::Partner(first))) return first;
    return std::nullopt;
}

DesignDocument::DesignDocument(DesignSnapshot snapshot) {
    set_snapshot(std::move(snapshot));
}

void DesignDocument::set_snapshot(DesignSnapshot snapshot) {
    if (BothOfAPairOn(snapshot)) throw std::invalid_argument("both options of a pair are on");
    snapshot_ = std::move(snapshot);
}

void DesignDocument::set_content(DesignKind kind, nlohmann::json content) {
    if (!content.is_object()) throw std::invalid_argument("content must be an object");
    kind_ = kind;
    content_ = std::move(content);
}

void DesignDocument::set_extra(nlohmann::json extra) {
    if (!extra.is_object()) throw std::invalid_argument("extra must be an object");
    extra_ = std::move(extra);
}

} // namespace mixora::document
