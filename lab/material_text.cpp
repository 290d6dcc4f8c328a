#include "material_text.h"

#include "double_text.h"

#include <charconv>

namespace mixora::lab {

std::string VersionName(std::string_view code, std::int64_t version) {
    return std::string(code) + " 第 " + std::to_string(version) + " 版";
}

std::string NumberText(double value) {
    return calc::ShortestText(value);
}

std::string PropertyValueText(const store::PropertyInfo& property,
                              const store::PropertyValue& value) {
    if (const double* number = std::get_if<double>(&value)) {
        std::string text = NumberText(*number);
        if (!property.unit.empty()) text += " " + std::string(property.unit);
        return text;
    }
    const std::string& text = std::get<std::string>(value);
    for (const store::PropertyChoice& choice : property.choices)
        if (choice.key == text) return std::string(choice.name);
    return text;
}

std::string MaterialRow(const store::MaterialRecord& record) {
    const store::MaterialFields& f = record.fields;
    const std::string price = f.price ? NumberText(*f.price) : "—";
    return record.Code() + "\t" + std::to_string(record.version) + "\t" +
           std::string(store::InfoOf(f.kind).name) + "\t" + f.maker + "\t" + f.product + "\t" +
           f.batch + "\t" + f.sampled_on + "\t" + f.report_number + "\t" + price + "\t" +
           (record.retired ? "已停用" : "在用");
}

std::vector<std::string> MaterialDetails(const store::MaterialRecord& record) {
    const store::MaterialFields& f = record.fields;
    std::vector<std::string> lines;
    lines.push_back(VersionName(record.Code(), record.version) + " · " +
                    std::string(store::InfoOf(f.kind).name) + (record.retired ? " · 已停用" : ""));
    const auto add = [&lines](std::string_view name, const std::string& value) {
        if (!value.empty()) lines.push_back(std::string(name) + "：" + value);
    };
    add("生产厂家", f.maker);
    add("品种规格", f.product);
    add("批号", f.batch);
    add("取样日期", f.sampled_on);
    add("检测报告", f.report_number + (f.report_date.empty() ? "" : "（" + f.report_date + "）"));
    if (f.price)
        add("单价", NumberText(*f.price) + " 元/t" +
                        (f.price_date.empty() ? "" : "（" + f.price_date + "）"));
    for (const store::PropertyInfo& property : store::InfoOf(f.kind).properties)
        if (const auto found = f.properties.find(std::string(property.key));
            found != f.properties.end())
            add(property.name, PropertyValueText(property, found->second));
    add("修改", record.changed.by + " " + record.changed.at);
    if (record.retired) add("停用", record.retired->by + " " + record.retired->at);
    return lines;
}

std::optional<std::int64_t> RecordNumberOfCode(std::string_view code) {
    while (!code.empty() && code.front() == ' ')
        code.remove_prefix(1);
    while (!code.empty() && code.back() == ' ')
        code.remove_suffix(1);
    if (const auto dash = code.find('-'); dash != std::string_view::npos) {
        if (dash != 1) return std::nullopt;
        code.remove_prefix(2);
    }
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), number);
    if (error != std::errc() || end != code.data() + code.size() || number <= 0)
        return std::nullopt;
    return number;
}

} // namespace mixora::lab
