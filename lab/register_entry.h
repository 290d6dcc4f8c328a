#pragma once
// What the register keeps of a design file: the file exactly, and what its list shows and
// filters by, read from the document by the readers of its kind. A design cites material
// records under "extra": {"materials": [{"record": 12, "version": 2, …}, …]} (each object's
// other members are the values the design took from the record); its special requirements are
// a JGJ 55-2011 design's own ("requirements", named as jgj55::RequirementNames names them) and
// any listed under "extra": {"requirements": ["泵送", "抗渗 P8"]}.
#include "design_document.h"
#include "design_register.h"

#include <string>

namespace mixora::lab {

// `document` is what session::ReadDesignDocument read from `bytes`. A citation or requirement
// that is not of that shape is left out.
store::DesignEntry RegisterEntryOf(const document::DesignDocument& document, std::string bytes);

} // namespace mixora::lab
