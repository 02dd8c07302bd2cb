#pragma once
// Writing JSON for the command-line printers: strings escaped so that any
// header text survives, numbers in their shortest exact form, objects and
// arrays built up from members already written.

#include "view/TextTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kp {

// A string as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

// A number in its shortest exact form; null when it is none or not finite.
std::string JsonNumber(std::optional<double> value);
// A whole number as it is.
std::string JsonInteger(std::int64_t value);

std::string JsonBool(bool value);

// Items already written as JSON, as one array.
std::string JsonArray(const std::vector<std::string>& items);

// Texts as an array of JSON strings.
std::string JsonTexts(const std::vector<std::string>& texts);

// A list's column titles, and its rows as arrays of cell texts.
std::string JsonColumns(const TextTable& table);
std::string JsonRows(const TextTable& table);

// Members in the order they are added.
class JsonObject {
public:
    JsonObject& Add(const std::string& key, const std::string& json);
    std::string Close() const { return text_.empty() ? "{}" : text_ + "}"; }

private:
    std::string text_;
};

} // namespace kp
