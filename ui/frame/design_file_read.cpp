#include "design_file_read.h"

#include "design_reading.h"
#include "design_format.h"
#include "utf.h"

namespace mixora::ui {

std::variant<document::DesignDocument, std::wstring> ReadDesignFile(const std::wstring& path,
                                                                    FileStamp* stamp) {
    auto bytes = ReadWholeFile(path, document::kMaxDesignFileBytes, stamp);
    if (auto* error = std::get_if<FileError>(&bytes)) return std::move(error->reason);
    auto read = session::ReadDesignDocument(std::get<std::string>(bytes));
    if (const auto* error = std::get_if<document::DocumentError>(&read))
        return Widen(document::ErrorMessage(*error));
    return std::get<document::DesignDocument>(std::move(read));
}

document::DesignKind KindOfDesignFile(const std::wstring& path) {
    const auto read = ReadDesignFile(path, nullptr);
    const auto* document = std::get_if<document::DesignDocument>(&read);
    return document ? document->kind() : document::DesignKind::Cement;
}

} // namespace mixora::ui
