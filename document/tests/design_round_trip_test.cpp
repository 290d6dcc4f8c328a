// Whatever the reader accepts is saved, and the saved file reads back as the same design, with
// what this version does not know written exactly as it was read.
#include "design_file_support.h"
#include "design_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace mixora::document {
namespace {

using nlohmann::json;

// A file as a newer version might write it: the known keys among unknown ones in no order,
// numbers no double holds exactly or spelled unusually, nested objects with unsorted keys.
constexpr std::string_view kNewer = R"({
  "zeta": {"b": 2, "a": 1, "big": 12345678901234567890123},
  "format": "mixora-design",
  "two64": 18446744073709551616,
  "version": 1,
  "fields": {"Text1": "30", "Text34": 1e2, "备注": {"z": [1E+2, -0.0, 0.10]}, "Text2": "26.58"},
  "hundred": 1e2,
  "options": {"粉煤灰": 12345678901234567890123, "option2": true},
  "extra": {"zz": {"y": 1, "x": 2.50}, "report": {"project": "桥"},
            "aa": [1e2, 18446744073709551616, "\u00e9"], "mm": 0.1e1},
  "mid": "\u0041\n",
  "alpha": [ 1 , 2 ]
}
)";

// Where each text appears in written, in this order; fails when one is missing or out of order.
void ExpectInOrder(const std::string& written, const std::vector<std::string>& texts) {
    std::size_t last = 0;
    for (const std::string& text : texts) {
        const std::size_t at = written.find(text);
        ASSERT_NE(at, std::string::npos) << text << " is missing from\n" << written;
        EXPECT_GE(at, last) << text << " is out of order in\n" << written;
        last = at;
    }
}

TEST(DesignRoundTripTest, WhatANewerVersionWroteIsWrittenBackExactlyAndInOrder) {
    DesignDocument document = ReadOk(kNewer);
    const std::string written = WriteOk(document);
    ExpectInOrder(written, {
                               R"("Text1": "30")",
                               R"("Text34": 1e2)",
                               R"("备注": {"z": [1E+2, -0.0, 0.10]})",
                               R"("粉煤灰": 12345678901234567890123)",
                               R"("zz": {"y": 1, "x": 2.50})",
                               R"("report": {"project": "桥"})",
                               R"("aa": [1e2, 18446744073709551616, "\u00e9"])",
                               R"("mm": 0.1e1)",
                               R"("zeta": {"b": 2, "a": 1, "big": 12345678901234567890123})",
                               R"("two64": 18446744073709551616)",
                               R"("hundred": 1e2)",
                               R"("mid": "\u0041\n")",
                               R"("alpha": [ 1 , 2 ])",
                           });
    EXPECT_EQ(written.find("e+"), std::string::npos) << written;
    EXPECT_EQ(ReadOk(written), document);

    // Another feature changes its member of "extra", drops one and adds one: the others stay
    // as they were, where they were.
    json extra = document.extra();
    extra["report"]["project"] = "大桥";
    extra.erase("mm");
    extra["added"] = 1;
    document.set_extra(extra);
    const std::string changed = WriteOk(document);
    ExpectInOrder(changed, {
                               R"("zz": {"y": 1, "x": 2.50})",
                               R"("project": "大桥")",
                               R"("aa": [1e2, 18446744073709551616, "\u00e9"])",
                               R"("added": 1)",
                               R"("zeta": {"b": 2, "a": 1, "big": 12345678901234567890123})",
                           });
    EXPECT_EQ(changed.find("\"mm\""), std::string::npos) << changed;
    EXPECT_EQ(ReadOk(changed), document);
}

// A compact design of about 600 KB: notes, and a table whose cells stand 40 levels deep, so that
// written indented it would be well over 1 MiB.
std::string LargeCompactDesign() {
    constexpr int kLevels = 40;
    std::string cells = "0";
    for (int i = 1; i < 20000; ++i)
        cells += ",0";
    const std::string table = std::string(kLevels, '[') + cells + std::string(kLevels, ']');
    return R"({"format":"mixora-design","version":1,"options":{"option1":true},)"
           R"("extra":{"notes":")" +
           std::string(560 * 1024, 'n') + R"(","table":)" + table + "}}";
}

TEST(DesignRoundTripTest, ADesignTooLargeIndentedIsWrittenCompactAndOneTooLargeEvenSoIsRefused) {
    DesignDocument document = ReadOk(LargeCompactDesign());
    EXPECT_LE(WriteOk(document).size(), kMaxDesignFileBytes); // kept as written

    json extra = document.extra();
    json* cell = &extra["table"];
    while (cell->is_array() && cell->size() == 1)
        cell = &(*cell)[0];
    (*cell)[0] = 1; // so the table is written anew
    document.set_extra(extra);
    ASSERT_GT(extra.dump(2).size(), kMaxDesignFileBytes);
    const std::string written = WriteOk(document);
    EXPECT_LE(written.size(), kMaxDesignFileBytes);
    EXPECT_EQ(written.find(": "), std::string::npos);
    EXPECT_EQ(ReadOk(written), document);

    document.set_extra(json{{"notes", std::string(kMaxDesignFileBytes, 'x')}});
    EXPECT_EQ(WriteDesign(document), WriteResult(DocumentError{DocumentErrorKind::TooLarge}));
}

// Makes design files the reader accepts, varied in every way the format allows.
class DesignMaker {
  public:
    explicit DesignMaker(unsigned seed) : random_(seed) {}

    std::string File(std::size_t pad_to = 0) {
        style_ = Pick(4);
        std::vector<std::string> members = {
            Member(R"("format")", R"("mixora-design")"),
            Member(R"("version")", "1"),
            Member(R"("options")", Options()),
        };
        if (Pick(4) != 0) members.push_back(Member(R"("fields")", Fields()));
        if (Pick(3) != 0) members.push_back(Member(R"("extra")", Object(2, 6)));
        for (int i = Pick(4); i > 0; --i)
            members.push_back(Member(UnknownKey(), Value(3)));
        if (pad_to > 0) members.push_back(Member(R"("pad#")", R"("@pad@")"));
        std::shuffle(members.begin(), members.end(), random_);
        std::string file = (Chance(5) ? "\xEF\xBB\xBF" : "") + Join(members, "{", "}");
        if (pad_to > 0) {
            const std::size_t at = file.find("@pad@");
            file.replace(at, 5, std::string(pad_to - (file.size() - 5), 'p'));
        }
        return file;
    }

  private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(int one_in) { return Pick(one_in) == 0; }

    std::string Space() {
        constexpr std::string_view kSpaces[] = {"", " ", "\n  ", "\t", "\r\n", "  "};
        switch (style_) {
        case 0: return "";
        case 1: return " ";
        case 2: return "\n    ";
        default: return std::string(kSpaces[Pick(std::size(kSpaces))]);
        }
    }

    std::string Member(const std::string& key, const std::string& value) {
        return key + Space() + ":" + Space() + value;
    }

    std::string Join(const std::vector<std::string>& items, std::string_view open,
                     std::string_view close) {
        std::string text(open);
        for (std::size_t i = 0; i < items.size(); ++i)
            text += (i == 0 ? "" : ",") + Space() + items[i];
        return text + Space() + std::string(close);
    }

    // Unique within any object by its number; never a key this version knows.
    std::string UnknownKey() {
        constexpr std::string_view kKeys[] = {"a", "水泥", "\\u00e9", "a\\\"b", "Text",
                                              "",  "\\n",  "option",  "}{]["};
        return "\"" + std::string(kKeys[Pick(std::size(kKeys))]) + "#" +
               std::to_string(next_key_++) + "\"";
    }

    std::string Value(int depth) {
        constexpr std::string_view kScalars[] = {
            "12345678901234567890123",
            "18446744073709551616",
            "-9223372036854775809",
            "1e2",
            "1E+2",
            "-0.0",
            "0.10",
            "2.5e-3",
            "0",
            "-1",
            "true",
            "false",
            "null",
            R"("\u00e9\n")",
            R"("水泥")",
            R"("}{][,:\"")",
            R"("\ud83d\ude00")",
            R"("")",
        };
        if (depth > 0 && Chance(3)) return Chance(2) ? Object(depth - 1, 4) : Array(depth - 1);
        return std::string(kScalars[Pick(std::size(kScalars))]);
    }

    std::string Object(int depth, int most) {
        std::vector<std::string> members;
        for (int i = Pick(most + 1); i > 0; --i)
            members.push_back(Member(UnknownKey(), Value(depth)));
        return Join(members, "{", "}");
    }

    std::string Array(int depth) {
        std::vector<std::string> items;
        for (int i = Pick(4); i > 0; --i)
            items.push_back(Value(depth));
        return Join(items, "[", "]");
    }

    std::string Text() {
        constexpr std::string_view kPieces[] = {
            "20", "水泥",    "\\n", "\\\"", "\\\\", "\\u6c34", "\\ud83d\\ude00",
            " ",  "1,234.5", "\\t", "/",    "\\/"};
        std::string text = "\"";
        // At most seven characters a piece: the longest texts stay within the limit.
        const int pieces = Chance(20) ? static_cast<int>(kMaxDesignTextLength / 7) : Pick(6);
        for (int i = 0; i < pieces; ++i)
            text += kPieces[Pick(std::size(kPieces))];
        return text + "\"";
    }

    std::string Fields() {
        std::vector<std::string> members;
        for (const calc::Field field : calc::kAllFields)
            if (Chance(2)) members.push_back(Member("\"" + calc::FieldName(field) + "\"", Text()));
        for (int i = Pick(3); i > 0; --i)
            members.push_back(Member(UnknownKey(), Value(2)));
        std::shuffle(members.begin(), members.end(), random_);
        return Join(members, "{", "}");
    }

    std::string Options() {
        const bool volume = Chance(2);
        std::vector<std::string> members = {
            Member(volume ? R"("option1")" : R"("option2")", "true")};
        if (Chance(2)) members.push_back(Member(volume ? R"("option2")" : R"("option1")", "false"));
        const int sand = Pick(3); // 细砂, 粗砂, neither
        if (sand < 2) members.push_back(Member(sand == 0 ? R"("细砂")" : R"("粗砂")", "true"));
        if (Chance(2)) members.push_back(Member(R"("卵石")", Chance(2) ? "true" : "false"));
        if (Chance(2)) members.push_back(Member(R"("碎石")", Chance(2) ? "true" : "false"));
        for (int i = Pick(3); i > 0; --i)
            members.push_back(Member(UnknownKey(), Value(1)));
        std::shuffle(members.begin(), members.end(), random_);
        return Join(members, "{", "}");
    }

    std::mt19937 random_;
    int style_ = 0;
    int next_key_ = 0;
};

// Every member kept from a file appears in the saved file as the file wrote it.
void ExpectKeptAsWritten(const DesignDocument& document, const std::string& written) {
    for (const auto* kept : {&document.unknown_keys(), &document.unknown_fields(),
                             &document.unknown_options(), &document.extra_as_written()})
        for (const KeptMember& member : *kept)
            EXPECT_TRUE(
                written.find(member.key_text + ": " + member.value_text) != std::string::npos ||
                written.find(member.key_text + ":" + member.value_text) != std::string::npos)
                << member.key_text << " in\n"
                << written.substr(0, 3000);
}

// Reads file, saves what it read and reads that again: the same design, saved again byte for
// byte, with every member kept from file as file wrote it.
void ExpectSavedAndReadBack(const std::string& file) {
    const ReadResult read = ReadDesign(file);
    ASSERT_TRUE(std::holds_alternative<DesignDocument>(read))
        << ErrorMessage(std::get<DocumentError>(read));
    const DesignDocument& document = std::get<DesignDocument>(read);
    const std::string written = WriteOk(document);
    EXPECT_LE(written.size(), kMaxDesignFileBytes);
    const DesignDocument reread = ReadOk(written);
    EXPECT_EQ(reread, document);
    EXPECT_EQ(WriteOk(reread), written);
    ExpectKeptAsWritten(document, written);
}

TEST(DesignRoundTripTest, EveryFileTheReaderAcceptsIsSavedAndReadsBackTheSame) {
    for (unsigned seed = 0; seed < 300; ++seed) {
        const std::string file = DesignMaker(seed).File();
        SCOPED_TRACE("seed " + std::to_string(seed) + ":\n" + file);
        ExpectSavedAndReadBack(file);
    }
    // At the size limit, without the spaces and the empty fields the writer adds when indenting.
    for (unsigned seed = 0; seed < 2; ++seed) {
        const std::string file = DesignMaker(seed).File(kMaxDesignFileBytes - seed);
        SCOPED_TRACE("seed " + std::to_string(seed) + " at the limit:\n" + file.substr(0, 2000));
        ExpectSavedAndReadBack(file);
    }
}

} // namespace
} // namespace mixora::document
