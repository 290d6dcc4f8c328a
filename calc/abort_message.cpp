#include "abort_message.h"

#include "text_prefix.h"

namespace mixora::calc {

namespace {

std::string_view StepName(Step step) {
    switch (step) {
    case Step::第一步: return "第一步（计算混凝土配置强度）";
    case Step::第二步: return "第二步（计算水灰比）";
    case Step::第三步: return "第三步（计算灰水比）";
    case Step::第四步: return "第四步（计算水泥用量）";
    case Step::tijifa:
    case Step::tjfjs: return "体积法计算砂石用量";
    case Step::zhiliangfa: return "质量法计算砂石用量";
    case Step::tiaozheng: return "按含水率调整配合比";
    case Step::QuantityStage: return "读取砂石用量计算的数据";
    }
    return "计算";
}

std::string Problem(const CalcError& error, std::string_view caption, std::string_view text) {
    const bool has_field = error.field.has_value();
    const std::string field =
        has_field ? "“" + std::string(caption) + "”（" + FieldName(*error.field) + "）" : "";
    switch (error.fault) {
    case Fault::EmptyText: return field + "是空的，这里需要一个数值。";
    case Fault::NotANumber: return field + "中的“" + TextPrefix(text) + "”不是一个数值。";
    case Fault::OutOfRange: return field + "中的数值太大，超出了可计算的范围。";
    case Fault::DivisionByZero:
        return has_field ? "由于" + field + "的值，计算中出现了除以零。" : "计算中出现了除以零。";
    case Fault::Overflow:
        return has_field ? "由于" + field + "的值，计算结果超出了数值范围。"
                         : "计算结果超出了数值范围。";
    case Fault::InvalidOperation:
        return has_field ? "由于" + field + "的值，计算中出现了无意义的运算（如 0 除以 0）。"
                         : "计算中出现了无意义的运算（如 0 除以 0）。";
    }
    return "计算中出现了错误。";
}

} // namespace

std::string DescribeAbort(const CalcError& error, std::string_view field_caption,
                          std::string_view field_text) {
    std::string message = "计算在“";
    message += StepName(error.step);
    message += "”中止。\n\n";
    message += Problem(error, field_caption, field_text);
    message += "\n\n请修改";
    message += error.field ? "该字段" : "输入数据";
    message += "后再按“计算”。在此之前已算出的结果保持不变。";
    return message;
}

} // namespace mixora::calc
