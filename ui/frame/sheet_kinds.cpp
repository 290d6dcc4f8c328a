#include "sheet_kinds.h"

#include "cement_sheet.h"
#include "jgj55_sheet.h"

namespace mixora::ui {

SheetFactory SheetFactoryFor(document::DesignKind kind) {
    switch (kind) {
    case document::DesignKind::Jgj55:
        return [](SheetHost& host, const calc::NumberFormat&) -> std::unique_ptr<SheetView> {
            return std::make_unique<Jgj55Sheet>(host);
        };
    case document::DesignKind::Cement: break;
    }
    return [](SheetHost& host, const calc::NumberFormat& format) -> std::unique_ptr<SheetView> {
        return std::make_unique<CementSheet>(host, format);
    };
}

} // namespace mixora::ui
