#pragma once
// A design file read whole: its structure by the file's reader, then what a kind's own members
// hold by that kind's readers, so that a document handed out always opens in its window.
#include "design_file.h"

#include <string_view>

namespace mixora::session {

// As document::ReadDesign, and refused (BadContent, naming the member and what is wrong in it)
// when a member of the design's kind cannot be read.
document::ReadResult ReadDesignDocument(std::string_view bytes);

} // namespace mixora::session
