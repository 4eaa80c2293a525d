// Flat JSON: the one-object-per-line format of the match records.
//
// JsonWriter builds one object of named values (strings, integers, reals,
// null, and arrays of those); parse_flat_json reads such an object back.
// Nested objects are not part of the format and are refused.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace trevosk {

struct JsonValue {
  enum class Type : uint8_t { Null, Bool, Number, String, Array };
  Type type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string text;              // a string's value, or a number as written
  std::vector<JsonValue> items;  // an array's elements (no arrays inside)
};

using JsonObject = std::map<std::string, JsonValue, std::less<>>;

// Reads one flat object; false with a message for anything else.
bool parse_flat_json(std::string_view line, JsonObject& object, std::string& error);

// The JSON spelling of a string, quotes included.
std::string json_string(std::string_view s);

// Writes one object on one line, fields in the order they are added.
class JsonWriter {
 public:
  JsonWriter& field(std::string_view key, std::string_view value);
  JsonWriter& field(std::string_view key, const char* value) {
    return field(key, std::string_view(value));
  }
  JsonWriter& field(std::string_view key, int64_t value);
  JsonWriter& field(std::string_view key, int value) { return field(key, int64_t{value}); }
  // A real with `decimals` digits after the point.
  JsonWriter& real(std::string_view key, double value, int decimals);
  JsonWriter& null(std::string_view key);
  // An array already spelled as JSON, e.g. from json_array.
  JsonWriter& raw(std::string_view key, std::string_view json);
  // The object, closed.
  std::string str() const { return out_ + "}"; }

 private:
  void key(std::string_view k);
  std::string out_ = "{";
};

}  // namespace trevosk
