// JSON output: quoting and indentation.
#include "JsonWriter.h"

#include <cstdio>

#include "modcommon/TextEncoding.h"

namespace kestrune::cli {

std::string JsonQuote(std::string_view bytes) {
    const std::string text = modcommon::DisplayUtf8(bytes);
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x",
                                  static_cast<unsigned>(static_cast<unsigned char>(c)));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::NewLine(size_t depth) {
    m_out << '\n' << std::string(depth * 2, ' ');
}

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_levels.empty()) {
        Level& level = m_levels.back();
        if (level.count++ > 0) {
            m_out << ',';
        }
        NewLine(m_levels.size());
    }
}

JsonWriter& JsonWriter::Open(bool object, char bracket) {
    BeforeValue();
    m_out << bracket;
    m_levels.push_back({object, 0});
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
    const bool empty = m_levels.back().count == 0;
    m_levels.pop_back();
    if (!empty) {
        NewLine(m_levels.size());
    }
    m_out << bracket;
    return *this;
}

JsonWriter& JsonWriter::BeginObject() {
    return Open(true, '{');
}
JsonWriter& JsonWriter::EndObject() {
    return Close('}');
}
JsonWriter& JsonWriter::BeginArray() {
    return Open(false, '[');
}
JsonWriter& JsonWriter::EndArray() {
    return Close(']');
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    m_out << JsonQuote(key) << ": ";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view bytes) {
    BeforeValue();
    m_out << JsonQuote(bytes);
    return *this;
}

JsonWriter& JsonWriter::Int(long long value) {
    BeforeValue();
    m_out << value;
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out << (value ? "true" : "false");
    return *this;
}

void JsonWriter::Finish() {
    m_out << '\n';
}

}  // namespace kestrune::cli
