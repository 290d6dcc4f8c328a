#pragma once
// The laboratory that issues the documents, as it is set once on a computer (实验室设置), and
// the lines every document of a design carries on each page.
#include "report_info.h"

#include <string>
#include <vector>

namespace mixora::report {

struct LabIdentity {
    std::string name;        // 实验室名称
    std::string address;     // 地址
    std::string certificate; // 资质证书编号

    friend bool operator==(const LabIdentity&, const LabIdentity&) = default;
};

// The lab's lines above a document's title: its name, then what else is set; none when nothing is.
std::vector<std::string> Masthead(const LabIdentity& lab);

// "配合比编号：PB-2026-0001　报告编号：R-17": the numbers that are set, for the top of every page.
std::string RunningHead(const ReportInfo& info);

} // namespace mixora::report
