#include "view/JsonObject.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kp {

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string JsonNumber(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return "null";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, *value);
    return ec == std::errc() ? std::string(buf, end) : "null";
}

std::string JsonInteger(std::int64_t value)
{
    return std::to_string(value);
}

std::string JsonBool(bool value)
{
    return value ? "true" : "false";
}

std::string JsonArray(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? "," : "") + items[i];
    return out + "]";
}

std::string JsonTexts(const std::vector<std::string>& texts)
{
    std::vector<std::string> items;
    items.reserve(texts.size());
    for (const std::string& t : texts)
        items.push_back(JsonString(t));
    return JsonArray(items);
}

std::string JsonColumns(const TextTable& table)
{
    std::vector<std::string> titles;
    for (const TextColumn& c : table.columns)
        titles.push_back(c.title);
    return JsonTexts(titles);
}

std::string JsonRows(const TextTable& table)
{
    std::vector<std::string> rows;
    for (const auto& row : table.rows)
        rows.push_back(JsonTexts(row));
    return JsonArray(rows);
}

JsonObject& JsonObject::Add(const std::string& key, const std::string& json)
{
    text_ += (text_.empty() ? "{" : ",") + JsonString(key) + ":" + json;
    return *this;
}

} // namespace kp
