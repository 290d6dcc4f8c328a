// Fuzzes the design-file reader and writer: no input may crash or hang them, every input gives
// either a whole document or an error, and a document read successfully can always be saved,
// into a file that reads back as the same document and is written again byte for byte.
#include "design_file.h"
#include "design_format.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mixora::document;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadResult read = ReadDesign(bytes);
    if (const auto* error = std::get_if<DocumentError>(&read)) {
        if (ErrorMessage(*error).empty()) std::abort();
        return 0;
    }
    const DesignDocument& document = std::get<DesignDocument>(read);
    if (!document.extra().is_object()) std::abort();
    const WriteResult written = WriteDesign(document);
    const auto* text = std::get_if<std::string>(&written);
    if (text == nullptr || text->size() > kMaxDesignFileBytes) std::abort();
    const ReadResult again = ReadDesign(*text);
    const auto* reread = std::get_if<DesignDocument>(&again);
    if (reread == nullptr || !(*reread == document)) std::abort();
    if (WriteDesign(*reread) != written) std::abort();
    return 0;
}
