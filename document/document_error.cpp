#include "document_error.h"
#include "design_format.h"

namespace mixora::document {

namespace {

std::string Where(const DocumentError& error) {
    return "（第 " + std::to_string(error.line) + " 行，第 " + std::to_string(error.column) +
           " 列）";
}

// The key of the other option of the exclusive pair whose first option's key is given.
std::string_view PartnerKey(std::string_view first) {
    for (const calc::Toggle toggle : kAllToggles)
        if (ToggleKey(toggle) == first) return ToggleKey(calc::Partner(toggle));
    return first;
}

// A key as a message shows it: a key read from a file may be of any length, so a long one is cut
// after kShownKeyLength characters (on a character boundary of its UTF-8).
constexpr std::size_t kShownKeyLength = 40;
std::string Shown(const std::string& key) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < key.size(); ++i)
        if ((static_cast<unsigned char>(key[i]) & 0xC0) != 0x80 && ++characters > kShownKeyLength)
            return key.substr(0, i) + "…";
    return key;
}

} // namespace

std::string ErrorMessage(const DocumentError& error) {
    switch (error.kind) {
    case DocumentErrorKind::TooLarge: return "文件过大（超过 1 MiB）";
    case DocumentErrorKind::NotUtf8: return "不是 UTF-8 编码的文本" + Where(error);
    case DocumentErrorKind::TooDeep: return "嵌套层数过多" + Where(error);
    case DocumentErrorKind::NotJson: return "不是有效的 JSON" + Where(error);
    case DocumentErrorKind::NumberOutOfRange: return "数值超出范围" + Where(error);
    case DocumentErrorKind::RepeatedKey:
        return "键 " + Shown(error.key) + " 重复出现" + Where(error);
    case DocumentErrorKind::NotAnObject:
        if (error.key.empty()) return "顶层不是 JSON 对象";
        return "键 " + error.key + " 的值应为对象";
    case DocumentErrorKind::NotADesign:
        return "不是 Mixora 设计文件（format 应为 \"mixora-design\"）";
    case DocumentErrorKind::MissingVersion: return "缺少版本号（version）";
    case DocumentErrorKind::BadVersion: return "版本号（version）应为正整数";
    case DocumentErrorKind::NewerVersion: return "由更新版本的 Mixora 保存";
    case DocumentErrorKind::FieldNotText: return "字段 " + error.key + " 的值应为文本";
    case DocumentErrorKind::TextTooLong:
        return "字段 " + error.key + " 的文本过长（超过 " + std::to_string(kMaxDesignTextLength) +
               " 个字符）";
    case DocumentErrorKind::OptionNotBoolean:
        return "选项 " + error.key + " 的值应为 true 或 false";
    case DocumentErrorKind::BothOptionsOn:
        return "选项 " + error.key + " 与 " + std::string(PartnerKey(error.key)) +
               " 不能同时为 true";
    case DocumentErrorKind::NoMethod: return "缺少计算方法（option1 或 option2 应为 true）";
    case DocumentErrorKind::NoKind: return "缺少设计种类（kind 应为文本）";
    case DocumentErrorKind::UnknownKind:
        return "由更新版本的 Mixora 保存（设计种类 " + Shown(error.key) + " 本版本不能打开）";
    case DocumentErrorKind::BadContent: return "键 " + error.key + " 的内容有误：" + error.detail;
    case DocumentErrorKind::KindInVersion1:
        return "这是 JGJ 55-2011 配合比设计，但文件写作版本 1（水泥配合比设计的格式）；"
               "JGJ 55-2011 配合比设计应为 version 2 并写明 \"kind\": \"" +
               std::string(kJgj55KindName) + "\"";
    }
    return "无法读取的设计文件";
}

} // namespace mixora::document
