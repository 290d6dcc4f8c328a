#include "report_sections.h"

namespace mixora::report {

using page::KeyValue;
using page::Note;
using page::Row;
using page::RowKind;
using page::Section;

Section HeaderSection(const ReportInfo& info, EnvironmentClass environment,
                      StructureType structure) {
    return {"工程信息",
            {
                KeyValue("工程名称", info.project),
                KeyValue("委托单位", info.client),
                KeyValue("使用部位", info.location),
                KeyValue("报告编号", info.report_number),
                KeyValue("环境类别", std::string(standards::NameOf(environment))),
                KeyValue("结构类型", std::string(standards::NameOf(structure))),
                KeyValue("日期", info.date),
            },
            2};
}

Section ChecksSection(std::vector<Row> checks) {
    Section section{"校核", {{RowKind::TableHeader, {"项目", "本配合比", "限值", "依据", "结论"}}}};
    section.rows.insert(section.rows.end(), std::make_move_iterator(checks.begin()),
                        std::make_move_iterator(checks.end()));
    section.rows.push_back(Note("以上为提示性校核，按显示的数值核对，不代替设计审核。"));
    return section;
}

Section RemarksSection(const ReportInfo& info) {
    return {"备注", {Note(info.remarks)}};
}

Section SignatureSection(const ReportInfo& info, std::string_view approver) {
    return {"", // the lines to sign on need no heading
            {
                {RowKind::Signature, {"试验", info.tested_by}},
                {RowKind::Signature, {"审核", info.reviewed_by}},
                {RowKind::Signature, {std::string(approver), info.approved_by}},
            }};
}

} // namespace mixora::report
