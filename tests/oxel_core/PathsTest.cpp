// Path functions in the Windows style (with and without Shift-JIS) and in the host's style.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "oxel/Paths.h"

namespace {

using namespace oxel;

const PathStyle W = PathStyle::Windows();
const PathStyle J = PathStyle::Windows(ShiftJisLeadByte);
const PathStyle P = PathStyle::Posix();

// "表" in Shift-JIS: its second byte is the byte of "\".
const std::string kHyo = "\x95\x5C";

struct PathCase {
    const char* name;
    std::function<std::string()> run;
    std::string expected;
};

class PathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathTest, Computes) {
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

std::string Name(const ::testing::TestParamInfo<PathCase>& row) {
    return std::string(row.param.name);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PathTest,
    ::testing::Values(
        PathCase{"IncludeDelimiterAppends", [] { return IncludeDelimiter("C:\\a", W); }, "C:\\a\\"},
        PathCase{"IncludeDelimiterKeeps", [] { return IncludeDelimiter("C:\\a\\", W); }, "C:\\a\\"},
        PathCase{"RepOfEmpty", [] { return Rep("", "\\", "/", W); }, ""},
        PathCase{"RepWithEmptyFind", [] { return Rep("a\\b", "", "/", W); }, "a\\b"},
        PathCase{"RepSeparators", [] { return Rep("Sources\\Post.pl", "\\", "/", W); },
                 "Sources/Post.pl"},
        PathCase{"RepNoOverlapNoRescan", [] { return Rep("aaaa", "aa", "a", W); }, "aa"},
        PathCase{"UpdirOfFolder", [] { return updir("C:\\a\\b\\", W); }, "C:\\a\\"},
        PathCase{"UpdirWithoutDelimiter", [] { return updir("C:\\a", W); }, "C:\\"},
        PathCase{"UpdirOfDriveRoot", [] { return updir("C:\\", W); }, ""},
        PathCase{"ChabspathDotSlash",
                 [] { return chabspath("C:\\forum\\cgi-bin\\", "./Sources/Post.pl", W); },
                 "C:\\forum\\cgi-bin\\Sources\\Post.pl"},
        PathCase{"ChabspathFromScriptPath",
                 [] {
                     return chabspath("C:\\www\\cgi-bin\\yabb\\YaBB.pl",
                                      "../../html/Templates/x.html", W);
                 },
                 "C:\\www\\html\\Templates\\x.html"},
        PathCase{"ChabspathAboveDriveRoot", [] { return chabspath("C:\\", "..\\x", W); }, "x"},
        PathCase{"ChabspathWithoutFolder", [] { return chabspath("YaBB.pl", "x", W); }, ""},
        PathCase{"ChabspathOtherDriveAppended",
                 [] { return chabspath("C:\\forum\\", "D:/x/y.txt", W); },
                 "C:\\forum\\D:\\x\\y.txt"},
        PathCase{"RelativeBelow",
                 [] {
                     return RelativePath("C:\\www\\cgi-bin\\yabb\\YaBB.pl",
                                         "C:\\www\\cgi-bin\\yabb\\Sources\\Post.pl", W);
                 },
                 "Sources\\Post.pl"},
        PathCase{"RelativeUpAndDown",
                 [] {
                     return RelativePath("C:\\www\\cgi-bin\\yabb\\YaBB.pl",
                                         "C:\\www\\html\\Templates\\x.html", W);
                 },
                 "..\\..\\html\\Templates\\x.html"},
        PathCase{"RelativeIgnoresCase",
                 [] { return RelativePath("C:\\WWW\\cgi-bin\\YaBB.pl", "c:\\www\\CGI-BIN\\x", W); },
                 "x"},
        PathCase{"RelativeOtherDriveUnchanged",
                 [] { return RelativePath("C:\\forum\\YaBB.pl", "D:\\x\\y.txt", W); },
                 "D:\\x\\y.txt"},
        PathCase{"RelativeSameShare",
                 [] {
                     return RelativePath("\\\\srv\\share\\a\\YaBB.pl", "\\\\SRV\\Share\\b\\f.txt",
                                         W);
                 },
                 "..\\b\\f.txt"},
        PathCase{
            "RelativeOtherShareUnchanged",
            [] { return RelativePath("\\\\srv\\share\\a\\YaBB.pl", "\\\\srv\\other\\f.txt", W); },
            "\\\\srv\\other\\f.txt"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    DoubleByte, PathTest,
    ::testing::Values(
        PathCase{"RepSkipsSecondByte", [] { return Rep(kHyo + "\\a", "\\", "/", J); }, kHyo + "/a"},
        PathCase{"RepSingleByteSplitsIt", [] { return Rep(kHyo + "\\a", "\\", "/", W); },
                 "\x95/" + std::string("/a")},
        PathCase{"UpdirSkipsSecondByte", [] { return updir("C:\\" + kHyo + "\\", J); }, "C:\\"},
        PathCase{"UpdirSingleByteStopsInside", [] { return updir("C:\\" + kHyo + "\\", W); },
                 "C:\\\x95\\"},
        PathCase{"ChabspathClimbsOverDoubleByteFolder",
                 [] { return chabspath("C:\\f\\" + kHyo + "\\YaBB.pl", "../x", J); }, "C:\\f\\x"},
        PathCase{"RelativeKeepsDoubleByteFolderWhole",
                 [] {
                     return RelativePath("C:\\f\\YaBB.pl", "C:\\f\\" + kHyo + "\\" + kHyo + ".txt",
                                         J);
                 },
                 kHyo + "\\" + kHyo + ".txt"}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Host, PathTest,
    ::testing::Values(
        PathCase{"IncludeDelimiterAppends", [] { return IncludeDelimiter("/a", P); }, "/a/"},
        PathCase{"RepSeparators", [] { return Rep("Sources\\Post.pl", "\\", "/", P); },
                 "Sources/Post.pl"},
        PathCase{"UpdirOfFolder", [] { return updir("/a/b/", P); }, "/a/"},
        PathCase{"UpdirWithoutDelimiter", [] { return updir("/a", P); }, "/"},
        PathCase{"UpdirOfRoot", [] { return updir("/", P); }, ""},
        PathCase{"ChabspathDotSlash",
                 [] { return chabspath("/forum/cgi-bin/", "./Sources/Post.pl", P); },
                 "/forum/cgi-bin/Sources/Post.pl"},
        PathCase{"ChabspathBackslashes",
                 [] { return chabspath("/forum/cgi-bin/", ".\\Sources\\Post.pl", P); },
                 "/forum/cgi-bin/Sources/Post.pl"},
        PathCase{
            "ChabspathFromScriptPath",
            [] { return chabspath("/www/cgi-bin/yabb/YaBB.pl", "../../html/Templates/x.html", P); },
            "/www/html/Templates/x.html"},
        PathCase{"ChabspathAboveRoot", [] { return chabspath("/", "../x", P); }, "x"},
        PathCase{"RelativeBelow",
                 [] {
                     return RelativePath("/www/cgi-bin/yabb/YaBB.pl",
                                         "/www/cgi-bin/yabb/Sources/Post.pl", P);
                 },
                 "Sources/Post.pl"},
        PathCase{"RelativeUpAndDown",
                 [] {
                     return RelativePath("/www/cgi-bin/yabb/YaBB.pl", "/www/html/Templates/x.html",
                                         P);
                 },
                 "../../html/Templates/x.html"},
        PathCase{"RelativeMindsCase",
                 [] { return RelativePath("/www/cgi-bin/YaBB.pl", "/WWW/cgi-bin/x", P); },
                 "../../WWW/cgi-bin/x"},
        PathCase{"RelativeHasNoDrives",
                 [] { return RelativePath("/forum/YaBB.pl", "/mnt/d/x.txt", P); },
                 "../mnt/d/x.txt"}),
    Name);

TEST(PathRoundTrip, RelativeThenAbsoluteGivesTheFileBack) {
    const std::string script = "/www/cgi-bin/yabb/YaBB.pl";
    for (const std::string file :
         {"/www/cgi-bin/yabb/Sources/Post.pl", "/www/html/Templates/x.html", "/other/f"}) {
        EXPECT_EQ(chabspath(script, RelativePath(script, file)), file);
    }
}

// A fake file system that spells some components otherwise, and remembers what was asked.
struct FakeEntries {
    std::map<std::string, std::string> names;
    std::vector<std::string> asked;
    EntryNameLookup Fn() {
        return [this](const std::string& path) -> std::optional<std::string> {
            asked.push_back(path);
            auto it = names.find(path);
            if (it == names.end()) {
                return std::nullopt;
            }
            return it->second;
        };
    }
};

TEST(ExpandShortName, WindowsShortNamesBecomeLong) {
    FakeEntries fs;
    fs.names = {{"C:\\PROGRA~1", "Program Files"},
                {"C:\\Program Files\\OXEL~1.MOD", "oxel mod.mod"}};
    EXPECT_EQ(ExpandShortName("C:\\PROGRA~1\\OXEL~1.MOD", W, fs.Fn()),
              "C:\\Program Files\\oxel mod.mod");
    EXPECT_EQ(ExpandShortName("C:\\PROGRA~1\\missing\\X~1", W, fs.Fn()),
              "C:\\Program Files\\missing\\X~1");
}

TEST(ExpandShortName, RootsAndSharesStayAsWritten) {
    FakeEntries fs;
    fs.names = {{"\\\\srv\\share\\DOCUME~1", "Documents"}};
    for (const char* root : {"", "C:", "C:\\", "\\\\srv\\share", "\\\\srv\\share\\"}) {
        EXPECT_EQ(ExpandShortName(root, W, fs.Fn()), root);
    }
    EXPECT_EQ(ExpandShortName("\\\\srv\\share\\DOCUME~1\\a.mod", W, fs.Fn()),
              "\\\\srv\\share\\Documents\\a.mod");
    EXPECT_EQ(ExpandShortName("\\A~1", W, fs.Fn()), "\\A~1");
    for (const std::string& path : fs.asked) {
        EXPECT_TRUE(path.rfind("\\\\srv\\share\\", 0) == 0 || path == "\\A~1") << path;
    }
}

TEST(ExpandShortName, PosixKeepsTheRoot) {
    FakeEntries fs;
    fs.names = {{"/Data", "data"}, {"/data/MODS", "Mods"}};
    EXPECT_EQ(ExpandShortName("/Data/MODS/a.mod", P, fs.Fn()), "/data/Mods/a.mod");
    EXPECT_EQ(ExpandShortName("rel/a.mod", P, fs.Fn()), "rel/a.mod");
}

TEST(ExpandShortName, HostReportsDirectoryEntryNames) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.file("Mixed Case/File.mod"), "x");
    const std::string file = dir.file("Mixed Case/File.mod");
    EXPECT_EQ(ExpandShortName(file), file);
    EXPECT_EQ(ExpandShortName(dir.file("Mixed Case/none/x.mod")),
              dir.file("Mixed Case/none/x.mod"));
    EXPECT_EQ(HostEntryName(file), "File.mod");
    EXPECT_EQ(HostEntryName(dir.file("absent")), std::nullopt);
}

struct FilePartCase {
    const char* name;
    std::string path;
    std::string drive, folder, file, dir;
};

class FilePartsTest : public ::testing::TestWithParam<FilePartCase> {};

TEST_P(FilePartsTest, SplitsWindowsPath) {
    const FilePartCase& c = GetParam();
    EXPECT_EQ(ExtractFileDrive(c.path, W), c.drive);
    EXPECT_EQ(ExtractFilePath(c.path, W), c.folder);
    EXPECT_EQ(ExtractFileName(c.path, W), c.file);
    EXPECT_EQ(ExtractFileDir(c.path, W), c.dir);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, FilePartsTest,
    ::testing::Values(FilePartCase{"Full", "C:\\a\\b.pl", "C:", "C:\\a\\", "b.pl", "C:\\a"},
                      FilePartCase{"InRoot", "C:\\b.pl", "C:", "C:\\", "b.pl", "C:\\"},
                      FilePartCase{"DriveRelative", "C:b.pl", "C:", "C:", "b.pl", "C:"},
                      FilePartCase{"Share", "\\\\s\\h\\b.pl", "\\\\s\\h", "\\\\s\\h\\", "b.pl",
                                   "\\\\s\\h"},
                      FilePartCase{"NameOnly", "b.pl", "", "", "b.pl", ""}),
    [](const ::testing::TestParamInfo<FilePartCase>& row) { return std::string(row.param.name); });

TEST(ChangeFileExt, ReplacesOrAppends) {
    EXPECT_EQ(ChangeFileExt("/opt/oxel/oxel", ".ini"), "/opt/oxel/oxel.ini");
    EXPECT_EQ(ChangeFileExt("/opt/oxel.d/Oxel.exe", ".ini"), "/opt/oxel.d/Oxel.ini");
    EXPECT_EQ(ChangeFileExt("/opt/oxel.d/oxel", ".ini"), "/opt/oxel.d/oxel.ini");
    EXPECT_EQ(ChangeFileExt("C:\\Oxel\\Oxel.exe", ".ini", W), "C:\\Oxel\\Oxel.ini");
}

}  // namespace
