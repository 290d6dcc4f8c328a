#pragma once
// An ODBC connection string ("Driver={PostgreSQL Unicode};Server=…;Port=…;Database=…;Uid=…;
// Pwd=…;" or "DSN=…;"): its values read and set, and how messages name the database it leads
// to, never with its password.
#include <string>
#include <string_view>

namespace mixora::odbc {

// The value of `key` (its case ignored; a value in braces without them); empty when absent.
std::string ConnectionValue(std::string_view connection, std::string_view key);

// The connection string with `key` set to `value` (added at the end when absent).
std::string WithConnectionValue(std::string_view connection, std::string_view key,
                                std::string_view value);

// The connection string without `key` (its case ignored).
std::string WithoutConnectionValue(std::string_view connection, std::string_view key);

// A value as a connection string holds it: in braces when it has a character that would end it
// or a space at either end, a '}' doubled inside them.
std::string ConnectionValueText(std::string_view value);

// "服务器 127.0.0.1:5432 上的数据库“mixora_lab”", or "ODBC 数据源“实验室”".
std::string DescribeConnection(std::string_view connection);

} // namespace mixora::odbc
