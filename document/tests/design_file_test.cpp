#include "design_file_support.h"
#include "design_format.h"
#include "design_values.h"
#include "press.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <variant>

namespace mixora::document {

namespace {

using calc::Toggle;
using namespace calc; // Text1 … Text33

// The reset sheet after one press of "计算", as its file.
constexpr std::string_view kExample = R"({
  "format": "mixora-design",
  "version": 1,
  "fields": {
    "Text1": "20",
    "Text2": "26.58",
    "Text3": "4",
    "Text4": "346.15",
    "Text5": "32.5",
    "Text6": "0.48",
    "Text7": "0.33",
    "Text8": "0.52",
    "Text9": "1.07",
    "Text10": "1.92",
    "Text11": "346.15",
    "Text12": "678.7865",
    "Text13": "1206.731",
    "Text14": "180",
    "Text15": "0.36",
    "Text16": "",
    "Text17": "",
    "Text18": "3.1",
    "Text19": "2.65",
    "Text20": "",
    "Text21": "",
    "Text22": "2.7",
    "Text23": "1",
    "Text24": "",
    "Text25": "1",
    "Text26": "180",
    "Text27": "",
    "Text28": "",
    "Text29": "",
    "Text30": "1.00",
    "Text31": "1.96",
    "Text32": "3.49",
    "Text33": "0.52"
  },
  "options": {
    "option1": true,
    "option2": false,
    "细砂": true,
    "粗砂": false,
    "卵石": true,
    "碎石": false
  },
  "extra": {}
}
)";

const DesignDocument* Document(const ReadResult& result) {
    return std::get_if<DesignDocument>(&result);
}

struct NoNotices final : calc::Notices {
    void notify(std::string_view message) override { ADD_FAILURE() << message; }
};

TEST(DesignFileTest, TheExampleIsThePressedResetSheet) {
    calc::MemorySheet sheet;
    calc::qk(sheet);
    NoNotices notices;
    ASSERT_EQ(calc::Press(sheet, notices, calc::NumberFormat{}), std::nullopt);
    const DesignSnapshot pressed = TakeSnapshot(sheet);
    EXPECT_EQ(pressed.text(Text2), golden::kResetIntermediates[0]);

    EXPECT_EQ(WriteOk(DesignDocument(pressed)), kExample);
    const DesignDocument read = ReadOk(kExample);
    EXPECT_EQ(read, DesignDocument(pressed));
    calc::MemorySheet opened;
    ApplySnapshot(read.snapshot(), opened);
    EXPECT_EQ(TakeSnapshot(opened), pressed);
}

TEST(DesignFileTest, EveryTextAndEveryAllowedOptionStateSurvivesAWriteAndRead) {
    constexpr std::string_view kTexts[] = {
        "水泥",
        "",
        " ",
        "abc",
        "1,234.50",
        "-0.5e3",
        "say \"hi\"",
        "C:\\设计\\",
        "line\nnext\r\n",
        "\t",
        std::string_view("nul\0in", 6),
        "😀",
        "\u00a0",
        "{\"Text1\": 1}",
    };
    for (unsigned states = 0; states < 64; ++states) {
        DesignSnapshot snapshot;
        for (std::size_t i = 0; i < kToggleCount; ++i)
            snapshot.toggles[i] = (states >> i & 1u) != 0;
        if (BothOfAPairOn(snapshot)) continue;
        for (std::size_t i = 0; i < calc::kFieldCount; ++i)
            snapshot.texts[i] = std::string(kTexts[(i + states) % std::size(kTexts)]) +
                                (i % 3 == 0 ? "" : std::to_string(i));
        if (!snapshot.is_on(Toggle::option1) && !snapshot.is_on(Toggle::option2)) {
            // No file may be without a method, so none is written.
            EXPECT_EQ(WriteDesign(DesignDocument(snapshot)),
                      WriteResult(DocumentError{DocumentErrorKind::NoMethod}));
            continue;
        }
        const std::string written = WriteOk(DesignDocument(snapshot));
        EXPECT_EQ(ReadOk(written).snapshot(), snapshot) << written;
    }
}

TEST(DesignFileTest, WhatIsMissingReadsAsEmptyOffAndAnEmptyExtra) {
    const DesignDocument volume_method(OnlyOption1());
    EXPECT_EQ(ReadOk(File(kOption1)), volume_method);
    EXPECT_EQ(ReadOk("\xEF\xBB\xBF" + File(kOption1)), volume_method); // byte-order mark
    DesignSnapshot expected;
    expected.text(Text5) = "42.5";
    expected.toggles[static_cast<std::size_t>(Toggle::option2)] = true;
    expected.toggles[static_cast<std::size_t>(Toggle::碎石)] = true;
    const DesignDocument read = ReadOk(File(
        R"(, "fields": {"Text5": "42.5"}, "options": {"option2": true, "碎石": true}, "extra": {})"));
    EXPECT_EQ(read.snapshot(), expected);
    EXPECT_EQ(read.extra(), nlohmann::json::object());
}

TEST(DesignFileTest, UnknownKeysAndExtraSurviveAReadAndWrite) {
    const std::string file = File(R"(,
        "saved_by": {"program": "Mixora 2.0", "when": [2024, 5, 1]},
        "fields": {"Text1": "30", "Text34": 7, "备注": "梁"},
        "options": {"粉煤灰": true, "option2": true},
        "extra": {"report": {"title": "C30 梁", "rows": [1, 2.5, -3e-7, null, {"a": false}]}})");
    DesignDocument document = ReadOk(file);
    EXPECT_EQ(document.extra()["report"]["title"], "C30 梁");
    EXPECT_EQ(document.unknown_keys().size(), 1u);

    // Saving again after the sheet changed keeps what this version does not know.
    DesignSnapshot changed = document.snapshot();
    changed.text(Text1) = "35";
    document.set_snapshot(changed);
    nlohmann::json extra = document.extra();
    extra["report"]["title"] = "C35 梁";
    document.set_extra(extra);
    const std::string written = WriteOk(document);
    EXPECT_EQ(ReadOk(written), document) << written;
    EXPECT_NE(written.find(R"("Text34": 7)"), std::string::npos) << written;
    EXPECT_NE(written.find(R"("粉煤灰": true)"), std::string::npos) << written;
    EXPECT_NE(written.find(R"("program": "Mixora 2.0")"), std::string::npos) << written;
}

TEST(DesignFileTest, ADocumentRefusesWhatNoFileCouldHold) {
    DesignSnapshot both;
    both.toggles[static_cast<std::size_t>(Toggle::细砂)] = true;
    both.toggles[static_cast<std::size_t>(Toggle::粗砂)] = true;
    EXPECT_THROW(DesignDocument{both}, std::invalid_argument);
    DesignDocument document;
    EXPECT_THROW(document.set_extra(nlohmann::json::array()), std::invalid_argument);
    EXPECT_EQ(document, DesignDocument{});
}

struct BadFile {
    std::string bytes;
    DocumentError error;
};

void ExpectRefused(const std::vector<BadFile>& cases) {
    for (const BadFile& bad : cases) {
        const ReadResult result = ReadDesign(bad.bytes);
        EXPECT_EQ(Document(result), nullptr) << bad.bytes;
        if (const auto* error = std::get_if<DocumentError>(&result)) {
            EXPECT_EQ(*error, bad.error) << bad.bytes;
        }
    }
}

using enum DocumentErrorKind;

TEST(DesignFileTest, BytesThatAreNotAJsonTextAreRefusedWithTheirPlace) {
    // Two levels of objects, then arrays to one level past the limit; brackets in a string
    // do not count.
    const std::string deep_prefix =
        R"({"extra": {"a[[[[": )" + std::string(kMaxDesignDepth - 2, '[');
    const std::string deep = deep_prefix + "[1" + std::string(kMaxDesignDepth - 1, ']') + "}}";
    const int deep_column = static_cast<int>(deep_prefix.size()) + 1;
    ExpectRefused({
        {std::string(kMaxDesignFileBytes + 1, ' '), {TooLarge}},
        {"{\"fields\": {\"Text1\": \"水泥\xff\"}}", {NotUtf8, {}, 1, 25}},
        {"{\n \"a\": \"\xC0\x80\"}", {NotUtf8, {}, 2, 8}},      // overlong
        {"{\"a\": \"\xED\xA0\x80\"}", {NotUtf8, {}, 1, 8}},     // surrogate
        {"{\"a\": \"\xF4\x90\x80\x80\"}", {NotUtf8, {}, 1, 8}}, // above U+10FFFF
        {"{\"a\": \"\xE6\xB0", {NotUtf8, {}, 1, 8}},            // cut short
        {deep, {TooDeep, {}, 1, deep_column}},
        {"", {NotJson, {}, 1, 1}},
        {"{\n  \"format\": \"mixora-design\",\n  x\n}", {NotJson, {}, 3, 3}},
        {"{\"fields\": {\"Text1\": \"水泥\" \"x\"}}", {NotJson, {}, 1, 29}}, // end of "x"
        {"{\"extra\": [1,]}", {NotJson, {}, 1, 14}},
        {"{\"a\": \"\\ud800\"}", {NotJson, {}, 1, 14}},
        {"{} x", {NotJson, {}, 1, 4}},
        {"{\"a\": 1", {NotJson, {}, 1, 8}},
        {"{\"extra\": {\"x\": -1e400}}", {NumberOutOfRange, {}, 1, 22}},
    });
}

TEST(DesignFileTest, JsonThatIsNotADesignOfThisVersionIsRefused) {
    ExpectRefused({
        {"[]", {NotAnObject}},
        {"\"mixora-design\"", {NotAnObject}},
        {"{}", {NotADesign}},
        {R"({"format": "mixora", "version": 1})", {NotADesign}},
        {R"({"format": 1, "version": 1})", {NotADesign}},
        {R"({"format": "mixora-design"})", {MissingVersion}},
        {R"({"format": "mixora-design", "version": 1.0})", {BadVersion}},
        {R"({"format": "mixora-design", "version": "1"})", {BadVersion}},
        {R"({"format": "mixora-design", "version": 0})", {BadVersion}},
        {R"({"format": "mixora-design", "version": -1})", {BadVersion}},
        {R"({"format": "mixora-design", "version": 3})", {NewerVersion}},
        {R"({"format": "mixora-design", "version": 2})", {NoKind}},
        {R"({"format": "mixora-design", "version": 2, "kind": 55})", {NoKind}},
        {R"({"format": "mixora-design", "version": 2, "kind": "gb-2030"})",
         {UnknownKind, "gb-2030"}},
        {R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011", "design": []})",
         {NotAnObject, "design"}},
        {R"({"format": "mixora-design", "version": 2, "kind": "jgj55-2011", "trial": 1})",
         {NotAnObject, "trial"}},
        {R"({"format": "mixora-design", "version": 18446744073709551615})", {NewerVersion}},
    });
}

TEST(DesignFileTest, AValueOfTheWrongKindIsRefusedNamingItsKey) {
    ExpectRefused({
        {File(R"(, "fields": [])"), {NotAnObject, "fields"}},
        {File(R"(, "options": null)"), {NotAnObject, "options"}},
        {File(R"(, "extra": [])"), {NotAnObject, "extra"}},
        {File(R"(, "fields": {"Text1": "20", "Text5": 32.5})"), {FieldNotText, "Text5"}},
        {File(R"(, "fields": {"Text33": null})"), {FieldNotText, "Text33"}},
        {File(R"(, "options": {"option1": true, "细砂": 1})"), {OptionNotBoolean, "细砂"}},
        {File(R"(, "options": {"碎石": "true"})"), {OptionNotBoolean, "碎石"}},
        {File(R"(, "options": {"option1": true, "option2": true})"), {BothOptionsOn, "option1"}},
        {File(R"(, "options": {"细砂": true, "粗砂": true})"), {BothOptionsOn, "细砂"}},
    });
}

// The line and column of the n-th (from 1) appearance of what in text, which is ASCII up to it.
std::pair<int, int> PlaceOf(const std::string& text, std::string_view what, int n) {
    std::size_t at = std::string::npos;
    for (int i = 0; i < n; ++i)
        at = text.find(what, at + 1);
    const std::size_t line_start = text.rfind('\n', at) + 1; // npos + 1 == 0
    return {
        1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')),
        1 + static_cast<int>(at - line_start)};
}

DocumentError RepeatedAt(const std::string& text, const std::string& key, std::string_view what,
                         int n = 2) {
    const auto [line, column] = PlaceOf(text, what, n);
    return {RepeatedKey, key, line, column};
}

TEST(DesignFileTest, AKeyWrittenTwiceInOneObjectIsRefusedNamingItAndItsPlace) {
    const std::string in_fields = File(std::string(kOption1) + R"(, "fields": {"Text1": "20",)" +
                                       "\n" + R"( "Text1": "25"})");
    const std::string top =
        R"({"format": "mixora-design", "version": 1, "format": "mixora-design"})";
    const std::string in_options = File(R"(, "options": {"option1": true, "option1": false})");
    const std::string in_extra =
        File(std::string(kOption1) + R"(, "extra": {"report": {}, "report": {}})");
    const std::string deep =
        File(std::string(kOption1) + R"(, "extra": {"a": [{"k": {"k": 1}, "k": 2}]})");
    const std::string escaped =
        File(std::string(kOption1) + R"(, "fields": {"Text1": "20", "\u0054ext1": "25"})");
    ExpectRefused({
        {in_fields, RepeatedAt(in_fields, "Text1", "\"Text1\"")},
        {top, RepeatedAt(top, "format", "\"format\"")},
        {in_options, RepeatedAt(in_options, "option1", "\"option1\"")},
        {in_extra, RepeatedAt(in_extra, "report", "\"report\"")},
        {deep, RepeatedAt(deep, "k", "\"k\"", 3)},
        {escaped, RepeatedAt(escaped, "Text1", "\"\\u0054ext1\"", 1)},
    });
    // The same key in sibling and nested objects, or as a value, is no repetition.
    ReadOk(
        File(std::string(kOption1) +
             R"(, "extra": {"a": {"k": 1}, "b": [{"k": 1}, {"k": 2}], "k": "k", "c": {"a": 0}})"));
}

TEST(DesignFileTest, NothingButSpaceMayFollowTheValueNotEvenAfterANulByte) {
    const std::string design = File(kOption1);
    const int end = static_cast<int>(design.size()) + 1;
    ExpectRefused({
        {design + std::string("\0garbage", 8), {NotJson, {}, 1, end}},
        {design + " \n\t" + std::string("\0", 1), {NotJson, {}, 2, 2}},
        {design + "\n" + std::string("\0{}", 3), {NotJson, {}, 2, 1}},
        {"{\n\"a\": \"水" + std::string("\0", 1) + "\"}", {NotJson, {}, 2, 8}}, // in a string
        {"{\"a\": 1" + std::string("\0}", 2), {NotJson, {}, 1, 8}},
        {design + " x", {NotJson, {}, 1, end + 1}},
    });
    EXPECT_EQ(ReadOk(design + " \r\n\t "), ReadOk(design));
}

TEST(DesignFileTest, ADesignWithoutAMethodIsRefused) {
    ExpectRefused({
        {File(""), {NoMethod}},
        {File(R"(, "options": {})"), {NoMethod}},
        {File(R"(, "options": {"option1": false, "option2": false, "细砂": true, "卵石": true})"),
         {NoMethod}},
    });
    EXPECT_TRUE(
        ReadOk(File(R"(, "options": {"option2": true})")).snapshot().is_on(Toggle::option2));
}

// count characters "水" (three bytes each) and one more of extra.
std::string Characters(std::size_t count, std::string_view extra = "") {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += "水";
    return text + std::string(extra);
}

TEST(DesignFileTest, AFieldTextLongerThanTheLimitIsNeitherReadNorWritten) {
    const auto with_text = [](std::string_view field, const std::string& text) {
        return File(std::string(kOption1) + R"(, "fields": {")" + std::string(field) + R"(": ")" +
                    text + R"("})");
    };
    // The limit counts characters, not bytes.
    const std::string longest = Characters(kMaxDesignTextLength);
    EXPECT_EQ(ReadOk(with_text("Text1", longest)).snapshot().text(Text1), longest);
    std::string escaped; // six bytes a character in the file
    for (std::size_t i = 0; i <= kMaxDesignTextLength; ++i)
        escaped += "\\u6c34";
    ExpectRefused({
        {with_text("Text1", Characters(kMaxDesignTextLength, "x")), {TextTooLong, "Text1"}},
        {with_text("Text33", std::string(500000, '8')), {TextTooLong, "Text33"}},
        {with_text("Text7", escaped), {TextTooLong, "Text7"}},
    });

    DesignSnapshot snapshot = OnlyOption1();
    snapshot.text(Text7) = longest;
    EXPECT_EQ(ReadOk(WriteOk(DesignDocument(snapshot))).snapshot(), snapshot);
    snapshot.text(Text7) += "0";
    EXPECT_EQ(WriteDesign(DesignDocument(snapshot)),
              WriteResult(DocumentError{TextTooLong, "Text7"}));
}

TEST(DesignFileTest, ErrorsReadAsChineseMessagesNamingWhatAndWhere) {
    EXPECT_EQ(ErrorMessage({RepeatedKey, "Text1", 3, 5}), "键 Text1 重复出现（第 3 行，第 5 列）");
    EXPECT_EQ(ErrorMessage({TextTooLong, "Text1"}), "字段 Text1 的文本过长（超过 4096 个字符）");
    EXPECT_EQ(ErrorMessage({NoMethod}), "缺少计算方法（option1 或 option2 应为 true）");
    // A key from a file is shown cut after 40 characters, on a character's boundary.
    EXPECT_EQ(ErrorMessage({RepeatedKey, Characters(1000), 1, 2}),
              "键 " + Characters(40) + "… 重复出现（第 1 行，第 2 列）");
    EXPECT_EQ(ErrorMessage({NotJson, {}, 3, 7}), "不是有效的 JSON（第 3 行，第 7 列）");
    EXPECT_EQ(ErrorMessage({FieldNotText, "Text5"}), "字段 Text5 的值应为文本");
    EXPECT_EQ(ErrorMessage({NewerVersion}), "由更新版本的 Mixora 保存");
    EXPECT_EQ(ErrorMessage({BothOptionsOn, "细砂"}), "选项 细砂 与 粗砂 不能同时为 true");
    EXPECT_EQ(ErrorMessage({NotAnObject, "extra"}), "键 extra 的值应为对象");
}

TEST(DesignFileTest, FilesAtTheLimitsAreRead) {
    std::string file = File(kOption1);
    file.resize(kMaxDesignFileBytes, '\n');
    EXPECT_EQ(ReadOk(file), DesignDocument(OnlyOption1()));
    const std::size_t arrays = kMaxDesignDepth - 2; // inside the top level and "extra"
    const DesignDocument deepest =
        ReadOk(File(std::string(kOption1) + R"(, "extra": {"a": )" + std::string(arrays, '[') +
                    std::string(arrays, ']') + "}"));
    EXPECT_EQ(ReadOk(WriteOk(deepest)), deepest);
}

} // namespace
} // namespace mixora::document
