#include "match/flat_json.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace trevosk {

namespace {

// A cursor over one line; every reader returns false with a message.
struct Reader {
  std::string_view s;
  size_t i = 0;
  std::string& error;

  bool fail(const std::string& what) {
    error = what + " at column " + std::to_string(i + 1);
    return false;
  }
  void skip_space() {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
  }
  bool expect(char c) {
    skip_space();
    if (i >= s.size() || s[i] != c) return fail(std::string("expected '") + c + "'");
    ++i;
    return true;
  }
  bool literal(std::string_view word) {
    if (s.substr(i, word.size()) != word) return fail("unknown word");
    i += word.size();
    return true;
  }

  static void append_utf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | cp >> 6);
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | cp >> 12);
      out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool string(std::string& out) {
    if (!expect('"')) return false;
    out.clear();
    while (i < s.size()) {
      const char c = s[i++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return fail("control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i >= s.size()) break;
      const char e = s[i++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          if (i + 4 > s.size()) return fail("short \\u escape");
          char* end = nullptr;
          const std::string hex(s.substr(i, 4));
          const unsigned long cp = std::strtoul(hex.c_str(), &end, 16);
          if (end != hex.c_str() + 4) return fail("bad \\u escape");
          i += 4;
          append_utf8(out, static_cast<unsigned>(cp));
          break;
        }
        default:
          return fail("bad escape");
      }
    }
    return fail("unterminated string");
  }

  bool number(JsonValue& v) {
    const size_t start = i;
    while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '-' ||
                            s[i] == '+' || s[i] == '.' || s[i] == 'e' || s[i] == 'E'))
      ++i;
    v.text = std::string(s.substr(start, i - start));
    char* end = nullptr;
    v.number = std::strtod(v.text.c_str(), &end);
    if (v.text.empty() || end != v.text.c_str() + v.text.size()) return fail("bad number");
    // Beyond a double's range (1e999) it would be written back as "inf".
    if (!std::isfinite(v.number)) return fail("number out of range");
    v.type = JsonValue::Type::Number;
    return true;
  }

  bool value(JsonValue& v, bool inside_array) {
    skip_space();
    if (i >= s.size()) return fail("missing value");
    v = JsonValue{};
    const char c = s[i];
    if (c == '"') {
      v.type = JsonValue::Type::String;
      return string(v.text);
    }
    if (c == 'n') return literal("null");
    if (c == 't' || c == 'f') {
      v.type = JsonValue::Type::Bool;
      v.boolean = c == 't';
      return literal(v.boolean ? "true" : "false");
    }
    if (c == '[') {
      if (inside_array) return fail("nested array");
      ++i;
      v.type = JsonValue::Type::Array;
      skip_space();
      if (i < s.size() && s[i] == ']') {
        ++i;
        return true;
      }
      for (;;) {
        v.items.emplace_back();
        if (!value(v.items.back(), true)) return false;
        skip_space();
        if (i < s.size() && s[i] == ',') {
          ++i;
          continue;
        }
        return expect(']');
      }
    }
    if (c == '{') return fail("nested object");
    return number(v);
  }
};

}  // namespace

bool parse_flat_json(std::string_view line, JsonObject& object, std::string& error) {
  object.clear();
  Reader r{line, 0, error};
  if (!r.expect('{')) return false;
  r.skip_space();
  if (r.i < line.size() && line[r.i] == '}') {
    ++r.i;
  } else {
    for (;;) {
      std::string key;
      r.skip_space();
      if (!r.string(key) || !r.expect(':')) return false;
      JsonValue v;
      if (!r.value(v, false)) return false;
      if (!object.emplace(std::move(key), std::move(v)).second) return r.fail("repeated key");
      r.skip_space();
      if (r.i < line.size() && line[r.i] == ',') {
        ++r.i;
        continue;
      }
      if (!r.expect('}')) return false;
      break;
    }
  }
  r.skip_space();
  if (r.i != line.size()) return r.fail("text after the object");
  return true;
}

std::string json_string(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void JsonWriter::key(std::string_view k) {
  if (out_.size() > 1) out_ += ',';
  out_ += json_string(k);
  out_ += ':';
}

JsonWriter& JsonWriter::field(std::string_view k, std::string_view value) {
  key(k);
  out_ += json_string(value);
  return *this;
}

JsonWriter& JsonWriter::field(std::string_view k, int64_t value) {
  key(k);
  out_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::real(std::string_view k, double value, int decimals) {
  key(k);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  out_ += buf;
  return *this;
}

JsonWriter& JsonWriter::null(std::string_view k) {
  key(k);
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::raw(std::string_view k, std::string_view json) {
  key(k);
  out_ += json;
  return *this;
}

}  // namespace trevosk
