#include "sql_engine.h"

namespace mixora::store {

Query::Query(Connection& connection, std::string_view sql, std::initializer_list<Param> params)
    : statement_(connection.Prepare(sql)) {
    int index = 0;
    for (const Param& param : params)
        statement_->Bind(++index, param.value);
}

Query::Query(Connection& connection, std::string_view sql, const std::vector<Param>& params)
    : statement_(connection.Prepare(sql)) {
    int index = 0;
    for (const Param& param : params)
        statement_->Bind(++index, param.value);
}

void Query::Rerun(std::initializer_list<Param> params) {
    statement_->Reset();
    int index = 0;
    for (const Param& param : params)
        statement_->Bind(++index, param.value);
}

bool Query::IsNull(int column) {
    return std::holds_alternative<std::monostate>(statement_->Column(column));
}

std::int64_t Query::Int(int column) {
    const SqlValue value = statement_->Column(column);
    if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
    if (const auto* real = std::get_if<double>(&value)) return static_cast<std::int64_t>(*real);
    return 0;
}

double Query::Real(int column) {
    return OptionalReal(column).value_or(0.0);
}

std::optional<double> Query::OptionalReal(int column) {
    const SqlValue value = statement_->Column(column);
    if (const auto* real = std::get_if<double>(&value)) return *real;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return static_cast<double>(*number);
    return std::nullopt;
}

std::string Query::Text(int column) {
    return OptionalText(column).value_or(std::string());
}

std::optional<std::string> Query::OptionalText(int column) {
    SqlValue value = statement_->Column(column);
    if (auto* text = std::get_if<std::string>(&value)) return std::move(*text);
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    return std::nullopt;
}

void Execute(Connection& connection, std::string_view sql, std::initializer_list<Param> params) {
    Query(connection, sql, params).Run();
}

} // namespace mixora::store
