#include "store_error.h"

#include <utility>

namespace mixora::store {

StoreError::StoreError(StoreErrorKind kind, std::string reason, std::string what_failed)
    : std::runtime_error(reason), kind_(kind), reason_(std::move(reason)),
      what_failed_(std::move(what_failed)) {}

void StoreError::Name(const std::string& what_failed) {
    if (what_failed_.empty()) what_failed_ = what_failed;
}

std::string StoreError::Message() const {
    if (what_failed_.empty()) return reason_;
    return what_failed_ + "失败：" + reason_;
}

} // namespace mixora::store
