// The fault texts as the boxes and the run log show them.
#include <gtest/gtest.h>

#include "kestrune/ErrorMessages.h"

namespace {

TEST(ErrorMessages, BoxAndLogTextsFillThePlaceholders) {
    EXPECT_EQ(kestrune::ErrorBoxText(8, {"/p/Mods/YaBB 2/a.mod"}),
              "Error Code 8:\r\n\r\nThe following mod file could not be found:\r\n/p/Mods/YaBB "
              "2/a.mod");
    EXPECT_EQ(kestrune::ErrorLogText(2, "/srv/forum/Sources/Post.pl"),
              "failed - ERR(2): Could not find file to edit (/srv/forum/Sources/Post.pl)");
    EXPECT_EQ(kestrune::ErrorLogText(1, "/srv/forum/Post.pl"),
              "failed - ERR(1): Search string could not be found");
    std::string five = kestrune::FormatErrorMessage(5, {"YaBB 2", "/p/Mods/YaBB 2", "YaBB 2"});
    EXPECT_EQ(five.rfind("Kestrune has detected the script you selected as\r\nYaBB 2\r\n", 0), 0u);
    EXPECT_NE(five.find("create the following folder:\r\n/p/Mods/YaBB 2\r\n"), std::string::npos);
    EXPECT_NE(five.find("rename it to \"YaBB 2\" (type it"), std::string::npos);
    EXPECT_EQ(kestrune::ErrorMessages[19], "broken");
}

}  // namespace
