// Mods and forum files with binary bytes, NUL bytes, huge sizes and endlessly overlapping
// blocks: read without a crash or a hang, and applied byte for byte or not at all.
#include <gtest/gtest.h>

#include <string>

#include "Installation.h"
#include "TestSupport.h"
#include "kestrune/ModFolders.h"
#include "kestrune/ModParser.h"
#include "oxel/Document.h"
#include "oxel/ModReader.h"

namespace {

using hardening::CrLf;
using hardening::Installation;

modcommon::BoxAnswer AnswerOk(const modcommon::BoxRequest&) {
    return modcommon::BoxAnswer::Ok;
}

// Bytes of every value in a fixed pseudo-random order, with a few tags in between.
std::string BinaryNoise(size_t size) {
    std::string out;
    uint32_t state = 12345;
    while (out.size() < size) {
        state = state * 1103515245u + 12345u;
        out += static_cast<char>(state >> 24);
        if (state % 97 == 0) {
            out += "\r\n<replace>\r\n";
        } else if (state % 89 == 0) {
            out += "<SEARCH for>x</search FOR>\n";
        }
    }
    return out;
}

TEST(BadModText, TextEndsAtTheFirstNulByteInBothReaders) {
    const std::string text =
        CrLf({"<id>", "Before NUL", "</id>"}) + std::string(1, '\0') +
        CrLf({"<version>", "after", "</version>", "<edit file>", "x.pl", "</edit file>",
              "<search for>", "a", "</search for>", "<replace>", "b", "</replace>"});
    kestrune::TMod mod;
    kestrune::ParseModText(mod, text, "m.mod", "/f/YaBB.pl", AnswerOk);
    EXPECT_EQ(mod.Id, "Before NUL");
    EXPECT_EQ(mod.Version, "");
    EXPECT_TRUE(mod.Steps.empty());

    oxel::Document doc;
    EXPECT_EQ(oxel::ReadModText(doc, text, AnswerOk), oxel::ReadStatus::Complete);
    EXPECT_EQ(doc.Value(oxel::Property::Id), "Before NUL");
    EXPECT_EQ(doc.Value(oxel::Property::Version), "");
    EXPECT_TRUE(doc.Tree().Empty());
}

TEST(BadModText, BinaryNoiseReadsWithoutACrashInBothReaders) {
    const std::string noise = BinaryNoise(256 * 1024);
    kestrune::TMod mod;
    kestrune::ParseModText(mod, noise, "m.mod", "/f/YaBB.pl", AnswerOk);
    for (const kestrune::TStep& step : mod.Steps) {
        EXPECT_TRUE(step.Kind == 14 || step.Kind == 16 || step.Kind == 18);
    }
    oxel::Document doc;
    oxel::ReadModText(doc, noise, AnswerOk);
    EXPECT_FALSE(doc.Loading());
}

TEST(BadModText, BlocksOpeningInsideEachOtherStopBothReadersAndNothingIsInstalled) {
    // Every line opens a search block that runs to the last line: the text collected grows
    // with the square of the file's size.
    std::string text;
    for (int i = 0; i < 3500; ++i) {
        text += "<search for>\r\n";
    }
    text += "</search for>\r\n<replace>\r\nx\r\n</replace>\r\n";

    Installation installation;
    installation.AddMod("Overlap.mod", text);
    installation.Start();
    EXPECT_EQ(installation.Tick("Overlap.mod", true).decision, kestrune::TickDecision::PutBack);
    EXPECT_NE(installation.Boxes().TakeTexts().find("repeats its own tags"), std::string::npos);
    EXPECT_TRUE(installation.Session().lastParse().textLimitReached);
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
              hardening::kPostOriginal);

    oxel::Document doc;
    EXPECT_EQ(oxel::ReadModText(doc, text, AnswerOk), oxel::ReadStatus::TooMuchOverlap);
}

TEST(BadForumFile, BinaryAndNulBytesAroundTheEditedLineSurviveInstallAndUninstall) {
    Installation installation;
    const std::string binary = std::string("\0\x01\xff\xfe", 4) + "\xe9t\xe9 \x80\x9f";
    const std::string original = "sub Post {" + binary + "\r\n    print $form;\r\n" + binary +
                                 "\r\n}\r\n" + std::string(3, '\0');
    testsupport::WriteFile(installation.ForumFile("Sources/Post.pl"), original);
    installation.Start();

    EXPECT_EQ(installation.Tick(std::string(hardening::kQuickReply), true).errorCount, 0);
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
              "sub Post {" + binary + "\r\n    print $form_with_reply;\r\n" + binary + "\r\n}\r\n" +
                  std::string(3, '\0'));
    EXPECT_EQ(installation.Tick(std::string(hardening::kQuickReply), false).errorCount, 0);
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")), original);
    EXPECT_EQ(installation.Boxes().TakeTexts(), "");
}

TEST(BadForumFile, HugeFilesAndLinesInstallAndUninstallExactly) {
    Installation installation;
    // 8 MB of forum script before the edited line, and a 2 MB line put in by the mod.
    std::string filler;
    for (int i = 0; filler.size() < 8 * 1024 * 1024; ++i) {
        filler += "    $x" + std::to_string(i) + " = 'a line of an old forum script';\r\n";
    }
    const std::string original = "sub Post {\r\n" + filler + "    print $form;\r\n}\r\n";
    testsupport::WriteFile(installation.ForumFile("Sources/Post.pl"), original);
    const std::string hugeLine = "    # " + std::string(2 * 1024 * 1024, 'q');
    installation.AddMod("Huge.mod", CrLf({"<edit file>", "Sources/Post.pl", "</edit file>",
                                          "<search for>", "    print $form;", "</search for>",
                                          "<add before>", hugeLine, "</add before>"}));
    installation.Start();

    EXPECT_EQ(installation.Tick("Huge.mod", true).errorCount, 0);
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")),
              "sub Post {\r\n" + filler + hugeLine + "\r\n    print $form;\r\n}\r\n");
    EXPECT_EQ(installation.Tick("Huge.mod", false).errorCount, 0);
    EXPECT_EQ(testsupport::ReadFile(installation.ForumFile("Sources/Post.pl")), original);
}

}  // namespace
