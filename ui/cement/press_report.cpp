#include "press_report.h"

#include "abort_message.h"
#include "layout.h"
#include "utf.h"

namespace mixora::ui {

std::wstring DescribeAbort(const calc::CalcError& error, const calc::Sheet& sheet) {
    if (!error.field) return Widen(calc::DescribeAbort(error, {}, {}));
    return Widen(
        calc::DescribeAbort(error, Narrow(FieldCaption(*error.field)), sheet.text(*error.field)));
}

} // namespace mixora::ui
