// A small streaming JSON writer for the command line's --json output: indented two spaces,
// keys in the order written, so the same input always gives the same bytes.
//
//   JsonWriter json(std::cout);
//   json.BeginObject().Key("name").String(mod.Id).Key("steps").Int(3).EndObject();
//   json.Finish();
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kestrune::cli {

// `bytes` as a JSON string literal, quotes included. The bytes are taken as UTF-8 when they are
// valid UTF-8, else as Latin-1, so every byte survives; control characters, quotes and
// backslashes are escaped.
std::string JsonQuote(std::string_view bytes);

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view bytes);
    JsonWriter& Int(long long value);
    JsonWriter& Bool(bool value);
    // Ends the document with a line break.
    void Finish();

  private:
    struct Level {
        bool object = false;
        int count = 0;
    };
    void BeforeValue();
    JsonWriter& Open(bool object, char bracket);
    JsonWriter& Close(char bracket);
    void NewLine(size_t depth);

    std::ostream& m_out;
    std::vector<Level> m_levels;
    bool m_afterKey = false;
};

}  // namespace kestrune::cli
