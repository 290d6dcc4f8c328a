#pragma once
// The design file: UTF-8 JSON (a byte-order mark is accepted on reading, never written).
//
//   {"format": "mixora-design", "version": 1,
//    "fields": {"Text1": "20", … "Text33": ""},
//    "options": {"option1": true, "option2": false, "细砂": true, "粗砂": false,
//                "卵石": true, "碎石": false},
//    "extra": {}}
//
// ReadDesign returns a result rather than throwing: a file that is wrong in any way is an
// ordinary outcome, shown to the user, and the result holds either a whole document or the
// error, never part of a document. A missing field reads as the empty text, a missing option as
// off, a missing "extra" as an empty object. Only running out of memory can throw.
#include "design_document.h"
#include "document_error.h"

#include <string>
#include <string_view>
#include <variant>

namespace mixora::document {

using ReadResult = std::variant<DesignDocument, DocumentError>;

// The bytes of a file as read from disk. The caller checks the file's size against
// kMaxDesignFileBytes before reading it into memory; longer bytes are refused here too.
ReadResult ReadDesign(std::string_view bytes);

using WriteResult = std::variant<std::string, DocumentError>;

// The whole file: every field in order Text1 … Text33 and every option, then the members the
// document kept from the file it was read from, each exactly as that file wrote it; two-space
// indent, non-ASCII written as is, ending with a newline. When that would be over
// kMaxDesignFileBytes, the compact form instead (no space; empty texts, options that are off
// and empty objects left out, as they read the same). Gives the reader's error instead of a
// file the reader would refuse (TooLarge, TextTooLong, NoMethod …), so that whatever is written
// opens again. Never throws for any text (a text that is not valid UTF-8, which no sheet gives,
// is written with U+FFFD in place of each bad byte); only running out of memory can throw.
WriteResult WriteDesign(const DesignDocument& document);

} // namespace mixora::document
