// Fuzzes font strings: any text converts or fails with the conversion error only, and a font
// that converted writes a string that reads back to the same font.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "oxel/Font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    oxel::Font font;
    try {
        oxel::StringToFont(text, font);
    } catch (const oxel::FontConversionError&) {
        return 0;  // any other exception escapes and stops the fuzzer
    }
    if (font.name.find(',') != std::string::npos) {
        return 0;  // can't happen: the name ends at the first comma
    }
    const std::string written = oxel::FontToString(font);
    oxel::Font back;
    oxel::StringToFont(written, back);
    fuzzsupport::Require(back == font, "a converted font reads back from its string");
    fuzzsupport::Require(oxel::FontToString(back) == written, "its string is stable");
    (void)oxel::StringToColor(text);
    return 0;
}
