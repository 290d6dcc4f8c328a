#include "guide_page.h"

#include "field_guide.h"
#include "html_escape.h"

namespace mixora::help {

namespace {

std::string_view FilledByText(FilledBy filled_by) {
    switch (filled_by) {
    case FilledBy::User: return "输入";
    case FilledBy::Press: return "计算结果（可改写为给定值）";
    case FilledBy::Nothing: return "仅作记录";
    }
    return "";
}

std::string FieldTable(const std::function<std::string(calc::Field)>& caption) {
    std::string table = "<table id=\"fields\">\n<tr><th>字段</th><th>控件</th><th>含义</th>"
                        "<th>单位</th><th>输入与常用范围</th><th>来源</th></tr>\n";
    for (const calc::Field field : calc::kAllFields) {
        const FieldGuide& guide = GuideOf(field);
        table += "<tr><td>" + page::EscapeHtml(caption(field)) + "</td><td>Text" +
                 std::to_string(calc::FieldIndex(field) + 1) + "</td><td>" +
                 page::EscapeHtml(guide.meaning) + "</td><td>" +
                 (guide.unit.empty() ? std::string("—") : page::EscapeHtml(guide.unit)) +
                 "</td><td>" + page::EscapeHtml(guide.entry) + "</td><td>" +
                 std::string(FilledByText(guide.filled_by)) + "</td></tr>\n";
    }
    return table + "</table>\n";
}

} // namespace

std::string GuidePage(std::string_view guide_html,
                      const std::function<std::string(calc::Field)>& caption) {
    std::string page(guide_html);
    const std::string table = FieldTable(caption);
    if (const size_t at = page.find(kFieldTableMarker); at != std::string::npos)
        return page.replace(at, kFieldTableMarker.size(), table);
    if (const size_t body = page.rfind("</body>"); body != std::string::npos)
        return page.insert(body, table);
    return page + table;
}

} // namespace mixora::help
