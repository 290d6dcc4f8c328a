#pragma once
// The one error type of the design file: what is wrong with a file, and where (the key, or the
// line and column), with the Chinese text the window shows after
// "无法打开设计文件“PATH”：". The writer gives the same errors for a design it will not write
// because the reader would refuse it (too large, a text too long, no method).
#include <string>
#include <utility>

namespace mixora::document {

enum class DocumentErrorKind {
    TooLarge,         // longer than kMaxDesignFileBytes; not read at all
    NotUtf8,          // an invalid UTF-8 byte sequence (line, column)
    TooDeep,          // arrays and objects nested deeper than kMaxDesignDepth (line, column)
    NotJson,          // the JSON parser's syntax error, or anything after the value (line, column)
    NumberOutOfRange, // a number beyond the range of a double (line, column)
    RepeatedKey,      // a key written twice in one object, at any depth (key, line, column)
    NotAnObject,      // the top level (key "") or the value of "fields", "options", "extra"
    NotADesign,       // "format" missing or not "mixora-design"
    MissingVersion,   // no "version"
    BadVersion,       // "version" not a positive integer
    NewerVersion,     // "version" above kNewestFormatVersion
    FieldNotText,     // a field's value is not a string (key "TextN")
    TextTooLong,      // a field's text is longer than kMaxDesignTextLength (key "TextN")
    OptionNotBoolean, // an option's value is not true or false (key: the option's name)
    BothOptionsOn,    // both options of an exclusive pair are on (key: the first of the pair)
    NoMethod,         // neither option1 nor option2 is on: no method to compute the mix with
    NoKind,           // a version 2 file without "kind", or with one that is not a text
    UnknownKind,      // a "kind" this version does not know, from a newer program (key: the kind)
    BadContent,       // a member of a kind's content that cannot be read (key: the member;
                      // detail: what is wrong with it, in Chinese)
    KindInVersion1,   // a version 1 file without a method that holds another kind's members
                      // (a JGJ 55-2011 design written as version 1)
};

struct DocumentError {
    // A constructor rather than aggregate braces, so that the kinds without a key or a place
    // are written as {kind} without warnings about the members left out.
    DocumentError(DocumentErrorKind what, std::string which = {}, int at_line = 0,
                  int at_column = 0, std::string what_is_wrong = {})
        : kind(what), key(std::move(which)), line(at_line), column(at_column),
          detail(std::move(what_is_wrong)) {}

    DocumentErrorKind kind;
    std::string key;    // the key concerned, when the kind names one
    int line = 0;       // 1-based, counted in characters, for the kinds with a place in the text;
    int column = 0;     // 0 otherwise
    std::string detail; // BadContent: what is wrong inside the member

    friend bool operator==(const DocumentError&, const DocumentError&) = default;
};

// The Chinese text of an error, e.g. "不是有效的 JSON（第 3 行，第 7 列）" or
// "字段 Text5 的值应为文本".
std::string ErrorMessage(const DocumentError& error);

} // namespace mixora::document
