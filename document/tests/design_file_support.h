#pragma once
// What the design-file tests share: reading and writing that must succeed, and short files.
#include "design_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <variant>

namespace mixora::document {

inline void PrintTo(const DocumentError& e, std::ostream* os) {
    *os << "{kind " << static_cast<int>(e.kind) << ", key \"" << e.key << "\", " << e.line << ":"
        << e.column << "} " << ErrorMessage(e);
}

inline DesignDocument ReadOk(std::string_view bytes) {
    ReadResult result = ReadDesign(bytes);
    if (const auto* error = std::get_if<DocumentError>(&result)) {
        ADD_FAILURE() << ErrorMessage(*error) << "\n" << bytes.substr(0, 2000);
        return {};
    }
    return std::get<DesignDocument>(std::move(result));
}

inline std::string WriteOk(const DesignDocument& document) {
    WriteResult result = WriteDesign(document);
    if (const auto* error = std::get_if<DocumentError>(&result)) {
        ADD_FAILURE() << ErrorMessage(*error);
        return {};
    }
    return std::get<std::string>(std::move(result));
}

// A design file of this version with these members after "format" and "version".
inline std::string File(std::string_view body) {
    return R"({"format": "mixora-design", "version": 1)" + std::string(body) + "}";
}

// The least a design needs besides its format and version: a method.
inline constexpr std::string_view kOption1 = R"(, "options": {"option1": true})";

inline DesignSnapshot OnlyOption1() {
    DesignSnapshot snapshot;
    snapshot.toggles[static_cast<std::size_t>(calc::Toggle::option1)] = true;
    return snapshot;
}

} // namespace mixora::document
