#pragma once
// Which sheet shows which kind of design: the one place a design window is made for a file.
#include "conversions.h"
#include "design_format.h"
#include "sheet_host.h"
#include "sheet_view.h"

#include <functional>
#include <memory>

namespace mixora::ui {

using SheetFactory =
    std::function<std::unique_ptr<SheetView>(SheetHost& host, const calc::NumberFormat& format)>;

SheetFactory SheetFactoryFor(document::DesignKind kind);

} // namespace mixora::ui
