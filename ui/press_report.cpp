#include "press_report.h"

#include "layout.h"
#include "utf.h"

namespace mixora::ui {

namespace {

using calc::Fault;
using calc::Step;

const wchar_t* StepName(Step step) {
    switch (step) {
    case Step::第一步: return L"第一步（计算混凝土配置强度）";
    case Step::第二步: return L"第二步（计算水灰比）";
    case Step::第三步: return L"第三步（计算灰水比）";
    case Step::第四步: return L"第四步（计算水泥用量）";
    case Step::tijifa:
    case Step::tjfjs: return L"体积法计算砂石用量";
    case Step::zhiliangfa: return L"质量法计算砂石用量";
    case Step::tiaozheng: return L"按含水率调整配合比";
    case Step::QuantityStage: return L"读取砂石用量计算的数据";
    }
    return L"计算";
}

std::wstring QuotedFieldName(calc::Field field) {
    return L"“" + FieldCaption(field) + L"”（" + Widen(calc::FieldName(field)) + L"）";
}

std::wstring Problem(const calc::CalcError& error, std::wstring_view text) {
    const bool has_field = error.field.has_value();
    const std::wstring field = has_field ? QuotedFieldName(*error.field) : L"";
    switch (error.fault) {
    case Fault::EmptyText: return field + L"是空的，这里需要一个数值。";
    case Fault::NotANumber: return field + L"中的“" + std::wstring(text) + L"”不是一个数值。";
    case Fault::OutOfRange: return field + L"中的数值太大，超出了可计算的范围。";
    case Fault::DivisionByZero:
        return has_field ? L"由于" + field + L"的值，计算中出现了除以零。"
                         : L"计算中出现了除以零。";
    case Fault::Overflow:
        return has_field ? L"由于" + field + L"的值，计算结果超出了数值范围。"
                         : L"计算结果超出了数值范围。";
    case Fault::InvalidOperation:
        return has_field ? L"由于" + field + L"的值，计算中出现了无意义的运算（如 0 除以 0）。"
                         : L"计算中出现了无意义的运算（如 0 除以 0）。";
    }
    return L"计算中出现了错误。";
}

} // namespace

std::wstring DescribeAbort(const calc::CalcError& error, std::wstring_view field_text) {
    std::wstring message = L"计算在“";
    message += StepName(error.step);
    message += L"”中止。\n\n";
    message += Problem(error, field_text);
    message += L"\n\n请修改";
    message += error.field ? L"该字段" : L"输入数据";
    message += L"后再按“计算”。在此之前已算出的结果保持不变。";
    return message;
}

} // namespace mixora::ui
