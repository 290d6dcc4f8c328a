#include "connection_string.h"

#include <vector>

namespace mixora::odbc {

namespace {

struct Attribute {
    std::string key;
    std::string value; // as written, braces and all
};

// key=value pairs separated by ';'; a value in braces may hold ';' (and '}}' for '}').
std::vector<Attribute> Attributes(std::string_view connection) {
    std::vector<Attribute> found;
    std::size_t at = 0;
    while (at < connection.size()) {
        const std::size_t equals = connection.find('=', at);
        const std::size_t semicolon = connection.find(';', at);
        if (equals == std::string_view::npos ||
            (semicolon != std::string_view::npos && semicolon < equals)) {
            at = semicolon == std::string_view::npos ? connection.size() : semicolon + 1;
            continue;
        }
        Attribute attribute{std::string(connection.substr(at, equals - at)), {}};
        std::size_t end = equals + 1;
        if (end < connection.size() && connection[end] == '{') {
            for (++end; end < connection.size(); ++end) {
                if (connection[end] != '}') continue;
                if (end + 1 < connection.size() && connection[end + 1] == '}') {
                    ++end;
                    continue;
                }
                ++end;
                break;
            }
        }
        end = std::min(connection.find(';', end), connection.size());
        attribute.value = std::string(connection.substr(equals + 1, end - equals - 1));
        found.push_back(std::move(attribute));
        at = end + 1;
    }
    return found;
}

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
    return true;
}

std::string Unbraced(const std::string& value) {
    if (value.size() < 2 || value.front() != '{' || value.back() != '}') return value;
    std::string inner;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        inner += value[i];
        if (value[i] == '}' && value[i + 1] == '}') ++i;
    }
    return inner;
}

} // namespace

std::string ConnectionValue(std::string_view connection, std::string_view key) {
    for (const Attribute& attribute : Attributes(connection))
        if (SameKey(attribute.key, key)) return Unbraced(attribute.value);
    return {};
}

std::string WithConnectionValue(std::string_view connection, std::string_view key,
                                std::string_view value) {
    std::string result;
    bool set = false;
    for (const Attribute& attribute : Attributes(connection)) {
        const bool same = SameKey(attribute.key, key);
        result += attribute.key + "=" + (same ? std::string(value) : attribute.value) + ";";
        set = set || same;
    }
    if (!set) result += std::string(key) + "=" + std::string(value) + ";";
    return result;
}

std::string WithoutConnectionValue(std::string_view connection, std::string_view key) {
    std::string result;
    for (const Attribute& attribute : Attributes(connection))
        if (!SameKey(attribute.key, key)) result += attribute.key + "=" + attribute.value + ";";
    return result;
}

std::string ConnectionValueText(std::string_view value) {
    const bool plain = value.find_first_of(";{}=") == std::string_view::npos &&
                       (value.empty() || (value.front() != ' ' && value.back() != ' '));
    if (plain) return std::string(value);
    std::string braced = "{";
    for (const char c : value) {
        braced += c;
        if (c == '}') braced += '}';
    }
    return braced + "}";
}

std::string DescribeConnection(std::string_view connection) {
    const std::string dsn = ConnectionValue(connection, "DSN");
    if (!dsn.empty()) return "ODBC 数据源“" + dsn + "”";
    std::string server = ConnectionValue(connection, "Server");
    if (server.empty()) server = ConnectionValue(connection, "Servername");
    const std::string port = ConnectionValue(connection, "Port");
    if (!port.empty()) server += ":" + port;
    return "服务器 " + server + " 上的数据库“" + ConnectionValue(connection, "Database") + "”";
}

} // namespace mixora::odbc
