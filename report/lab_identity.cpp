#include "lab_identity.h"

namespace mixora::report {

std::vector<std::string> Masthead(const LabIdentity& lab) {
    std::vector<std::string> lines;
    if (!lab.name.empty()) lines.push_back(lab.name);
    std::string detail;
    if (!lab.address.empty()) detail = "地址：" + lab.address;
    if (!lab.certificate.empty())
        detail += (detail.empty() ? "" : "　") + std::string("资质证书编号：") + lab.certificate;
    if (!detail.empty()) lines.push_back(detail);
    return lines;
}

std::string RunningHead(const ReportInfo& info) {
    std::string head;
    if (!info.mix_number.empty()) head = "配合比编号：" + info.mix_number;
    if (!info.report_number.empty())
        head += (head.empty() ? "" : "　") + std::string("报告编号：") + info.report_number;
    return head;
}

} // namespace mixora::report
