// The settings file format: reading rules, writing that keeps the rest, fonts, safe writing.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "oxel/IniPlus.h"

namespace {

using oxel::TIniPlus;

TIniPlus FromText(const std::string& text) {
    TIniPlus ini;
    ini.LoadText(text);
    return ini;
}

const std::string kSample =
    "; settings\r\n"
    "[General]\r\n"
    "YaBB=/forum/YaBB.pl\r\n"
    "  Spaced Key  =  spaced value  \r\n"
    "Quoted=\" kept \"\r\n"
    "Single='x'\r\n"
    "Half=\"x\r\n"
    "Dec=42\r\n"
    "Neg=-7\r\n"
    "Hex=0x1F\r\n"
    "HexUpper=0XfF\r\n"
    "Junk=12abc\r\n"
    "Dollar=$10\r\n"
    "Big=99999999999\r\n"
    "Empty=\r\n"
    "Equals=a=b\r\n"
    "\r\n"
    "[other]\r\n"
    "YaBB=second section\r\n";

struct ReadCase {
    const char* name;
    const char* section;
    const char* key;
    std::string asString;  // with default "DEF"
    int32_t asInteger;     // with default -1
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsValue) {
    const TIniPlus ini = FromText(kSample);
    const ReadCase& c = GetParam();
    EXPECT_EQ(ini.ReadString(c.section, c.key, "DEF"), c.asString);
    EXPECT_EQ(ini.ReadInteger(c.section, c.key, -1), c.asInteger);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniReadTest,
    ::testing::Values(ReadCase{"Plain", "General", "YaBB", "/forum/YaBB.pl", -1},
                      ReadCase{"NamesIgnoreCase", "GENERAL", "yabb", "/forum/YaBB.pl", -1},
                      ReadCase{"OtherSection", "Other", "YaBB", "second section", -1},
                      ReadCase{"BlanksTrimmed", "General", "spaced key", "spaced value", -1},
                      ReadCase{"QuotesStripped", "General", "Quoted", " kept ", -1},
                      ReadCase{"SingleQuotesStripped", "General", "Single", "x", -1},
                      ReadCase{"UnmatchedQuoteKept", "General", "Half", "\"x", -1},
                      ReadCase{"Decimal", "General", "Dec", "42", 42},
                      ReadCase{"Negative", "General", "Neg", "-7", -7},
                      ReadCase{"Hexadecimal", "General", "Hex", "0x1F", 31},
                      ReadCase{"HexadecimalUpperPrefix", "General", "HexUpper", "0XfF", 255},
                      ReadCase{"TrailingJunkGivesDefault", "General", "Junk", "12abc", -1},
                      ReadCase{"DollarGivesDefault", "General", "Dollar", "$10", -1},
                      ReadCase{"OutOfRangeGivesDefault", "General", "Big", "99999999999", -1},
                      ReadCase{"EmptyValue", "General", "Empty", "", -1},
                      ReadCase{"EqualsInValue", "General", "Equals", "a=b", -1},
                      ReadCase{"MissingKey", "General", "Nope", "DEF", -1},
                      ReadCase{"MissingSection", "Nope", "YaBB", "DEF", -1},
                      ReadCase{"LineBeforeAnySection", "", "; settings", "DEF", -1}),
    [](const ::testing::TestParamInfo<ReadCase>& row) { return std::string(row.param.name); });

TEST(IniPlus, BooleansAreNonZeroIntegers) {
    const TIniPlus ini = FromText("[s]\nzero=0\none=1\nminus=-3\nhex=0x10\nword=yes\n");
    EXPECT_FALSE(ini.ReadBool("s", "zero", true));
    EXPECT_TRUE(ini.ReadBool("s", "one", false));
    EXPECT_TRUE(ini.ReadBool("s", "minus", false));
    EXPECT_TRUE(ini.ReadBool("s", "hex", false));
    EXPECT_TRUE(ini.ReadBool("s", "word", true));
    EXPECT_FALSE(ini.ReadBool("s", "word", false));
    TIniPlus out;
    out.WriteBool("s", "on", true);
    out.WriteBool("s", "off", false);
    EXPECT_EQ(out.Text(), "[s]\r\non=1\r\noff=0\r\n");
}

TEST(IniPlus, LongValuesAreCutOnReading) {
    const std::string longValue(3000, 'v');
    TIniPlus ini;
    ini.WriteString("s", "k", longValue);
    EXPECT_EQ(ini.ReadString("s", "k", ""), longValue.substr(0, 2047));
    EXPECT_EQ(ini.ReadString("s", "missing", longValue).size(), 2047u);
}

TEST(IniPlus, WritingKeepsOrderAndOtherSections) {
    TIniPlus ini = FromText("; top\n[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    ini.WriteString("a", "X", "changed");
    ini.WriteString("A", "new", "added");
    ini.WriteString("C", "c", "fresh");
    EXPECT_EQ(
        ini.Text(),
        "; top\r\n[A]\r\nx=changed\r\ny=2\r\nnew=added\r\n\r\n[B]\r\nz=3\r\n[C]\r\nc=fresh\r\n");
}

TEST(IniPlus, EraseSectionRemovesEveryLineOfIt) {
    TIniPlus ini = FromText("[A]\nx=1\n[MRU]\nMRU0=a\n; note\nMRU1=b\n[B]\nz=3\n[mru]\nMRU5=c\n");
    ini.EraseSection("MRU");
    EXPECT_EQ(ini.Text(), "[A]\r\nx=1\r\n[B]\r\nz=3\r\n");
    EXPECT_FALSE(ini.SectionExists("mru"));
    EXPECT_TRUE(ini.ValueExists("b", "Z"));
}

TEST(IniPlus, ValuesThatWouldChangeTheFileShapeAreGuarded) {
    TIniPlus ini;
    ini.WriteString("MRU", "MRU0", "/mods/a.mod\n[General]\nKestrune=/bin/evil");
    ini.WriteString("MRU", "MRU1", "  padded  ");
    ini.WriteString("MRU", "MRU2", "\"quoted\"");
    const TIniPlus back = FromText(ini.Text());
    EXPECT_FALSE(back.SectionExists("General"));
    EXPECT_EQ(back.ReadString("MRU", "MRU0", ""), "/mods/a.mod");
    EXPECT_EQ(back.ReadString("MRU", "MRU1", ""), "  padded  ");
    EXPECT_EQ(back.ReadString("MRU", "MRU2", ""), "\"quoted\"");
    EXPECT_EQ(back.KeysOf("mru"), (std::vector<std::string>{"MRU0", "MRU1", "MRU2"}));
}

TEST(IniPlus, FontsFallBackToThePassedFont) {
    const TIniPlus ini =
        FromText("[General]\ngood=Arial,10,0100,clRed\nfive=Arial,10,01000,clRed\nnocomma=Arial\n");
    oxel::Font base;
    base.name = "Base";
    base.size = 9;

    oxel::Font f = base;
    ini.ReadFont("General", "good", f);
    EXPECT_EQ(f.name, "Arial");
    EXPECT_TRUE(f.italic);
    EXPECT_EQ(f.color, oxel::clRed);
    for (const char* key : {"five", "nocomma", "missing"}) {
        f = base;
        ini.ReadFont("General", key, f);
        EXPECT_EQ(f, base) << key;
    }
    // A name with a comma has no string form that reads back; the font stays as it was.
    oxel::Font comma = base;
    comma.name = "Odd, Name";
    f = comma;
    ini.ReadFont("General", "five", f);
    EXPECT_EQ(f, comma);

    TIniPlus out;
    out.WriteFont("General", "Editor_Font", f);
    EXPECT_EQ(out.ReadString("General", "Editor_Font", ""), "Odd, Name,9,0000,clWindowText");
}

TEST(IniPlus, FileRoundTripThroughCrashSafeWrite) {
    testsupport::TempDir dir;
    const std::string path = dir.file("oxel.ini");
    {
        TIniPlus ini(path);
        EXPECT_FALSE(ini.LoadError().has_value());
        ini.WriteInteger("General", "Tree_Width", 250);
        ASSERT_EQ(ini.UpdateFile(), std::nullopt);
    }
    EXPECT_EQ(testsupport::ReadFile(path), "[General]\r\nTree_Width=250\r\n");
    TIniPlus again(path);
    EXPECT_EQ(again.ReadInteger("General", "tree_width", 0), 250);
}

TEST(IniPlus, FailedWriteLeavesTheOldFile) {
    testsupport::TempDir dir;
    const std::string path = dir.file("oxel.ini");
    testsupport::WriteFile(path, "[General]\r\nYaBB=/old\r\n");
    TIniPlus ini(path);
    ini.WriteString("General", "YaBB", "/new");
    testsupport::FaultyFileSystem fs(testsupport::FsCall::Fsync, 1, EIO);
    const auto error = ini.UpdateFile(fs);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, path);
    EXPECT_EQ(testsupport::ReadFile(path), "[General]\r\nYaBB=/old\r\n");
}

TEST(IniPlus, UnreadableFileIsNeverOverwritten) {
    testsupport::TempDir dir;
    std::filesystem::create_directory(dir.file("oxel.ini"));
    TIniPlus ini(dir.file("oxel.ini"));
    ASSERT_TRUE(ini.LoadError().has_value());
    ini.WriteString("General", "YaBB", "x");
    EXPECT_TRUE(ini.UpdateFile().has_value());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("oxel.ini")));
}

}  // namespace
