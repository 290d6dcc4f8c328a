#include "jgj55_clipboard.h"

#include "clipboard_table.h"
#include "jgj55_report.h"

namespace mixora::jgj55_report {

namespace {

page::ClipboardTable CopiedRows(const jgj55::Result& result) {
    page::ClipboardTable table{{"名称", "数值", "单位", "来源"}, {}};
    for (const jgj55::QuantityInfo& info : jgj55::AllQuantities()) {
        const jgj55::Parameter& parameter = result[info.quantity];
        if (jgj55::Omitted(result, info.quantity)) continue;
        table.rows.push_back({std::string(info.name) + " " + std::string(info.symbol),
                              parameter.text, std::string(info.unit), SourceText(parameter)});
    }
    table.rows.push_back({"质量比（胶凝材料 : 砂 : 石 : 水）", result.mass_ratio, "", ""});
    return table;
}

} // namespace

std::string Jgj55ClipboardText(const jgj55::Result& result) {
    return page::ClipboardText(CopiedRows(result));
}

std::string Jgj55ClipboardHtml(const jgj55::Result& result) {
    return page::ClipboardHtml(CopiedRows(result));
}

} // namespace mixora::jgj55_report
