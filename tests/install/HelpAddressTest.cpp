// Where the program looks for its help file: beside itself (build folder, Windows) or, when
// installed, in <prefix>/share/kostenkoch.

#include "app/HelpAddress.h"

#include "TempDir.h"
#include "platform/PosixFileSystem.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

void Touch(const std::filesystem::path& file)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>";
}

TEST(HelpAddressTest, BesideTheProgramWinsThenTheShareFolderThenBesideAgain)
{
    CTempDir temp;
    CPosixFileSystem files;
    const std::filesystem::path root = temp.Path();
    const std::string bin = (root / "bin").string();
    const std::string beside = bin + "/KostenkochHelp.html";
    const std::string shared = (root / "share/kostenkoch/KostenkochHelp.html").string();
    std::filesystem::create_directories(bin);

    // Neither there: the usual place, so the browser's complaint names it.
    EXPECT_EQ(CHelpAddress::Make(&files, bin, "Main"), beside + "#Main");
    Touch(shared);
    EXPECT_EQ(CHelpAddress::Make(&files, bin, "Main"), shared + "#Main");
    EXPECT_EQ(CHelpAddress::Make(&files, bin + "/", "Chart"), shared + "#Chart");
    Touch(beside);
    EXPECT_EQ(CHelpAddress::Make(&files, bin, "Main"), beside + "#Main");
}

TEST(HelpAddressTest, WithoutFileSystemOrDirectoryNothingIsLookedUp)
{
    EXPECT_EQ(CHelpAddress::Make(nullptr, "/opt/kk/bin", "Main"), "/opt/kk/bin/KostenkochHelp.html#Main");
    CPosixFileSystem files;
    EXPECT_EQ(CHelpAddress::Make(&files, "", "Main"), "KostenkochHelp.html#Main");
}

// The install rules and the lookup agree: the staged installation's program finds the file.
TEST(HelpAddressTest, TheInstalledProgramFindsItsHelpFile)
{
    CPosixFileSystem files;
    const std::string help = CHelpAddress::Locate(&files, KK_STAGED_BIN_DIR);
    EXPECT_TRUE(std::filesystem::is_regular_file(help)) << help;
    EXPECT_NE(help.find("/share/kostenkoch/"), std::string::npos) << help;
}

} // namespace
