#include "TarnXMLTestSupport.h"
#include "xml/TarnXMLDocument.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int kObjectText = CTarnXMLDocument::ObjectTextFormat;
constexpr int kStrict = CTarnXMLDocument::Strict;
constexpr int kLenient = CTarnXMLDocument::Lenient;

const CTreeCase kTrees[] = {
    {"SingleObjectSectionsAreChildrenOfTheTop", "\r\n[Name] Salz \r\n[Unit]kg\r\n",
     "#[]{Name[Salz],Unit[kg]}"},
    {"AnnouncedObjectsOwnTheirSections", "@2\r\n[OBJECT1]\r\n[Name]a\r\n[OBJECT2]x\r\n[Name]b\r\n[Unit]kg",
     "#@2[]{#OBJECT1[]{Name[a]},#OBJECT2[x]{Name[b],Unit[kg]}}"},
    {"LeadingObjectSectionMakesMultiObjectText", "[OBJECT1][a]1[OBJECT2][b]2",
     "#[]{#OBJECT1[]{a[1]},#OBJECT2[]{b[2]}}"},
    {"SectionsBeforeFirstObjectBelongToTheTop", "@1[Kind]x[OBJECT1][a]1", "#@1[]{Kind[x],#OBJECT1[]{a[1]}}"},
    {"TextBeforeFirstSectionIsTheTopValue", "lead in [a]1", "#[lead in]{a[1]}"},
    {"ControlBytesMarkTheSection", "[a]x\x02y[b]z", "#[]{a[x\x02y]*,b[z]}"},
    {"EmptyTextGivesTheTopNodeOnly", "", "#[]"},
    {"ObjectNameMayGoOnAfterItsDigits", "[OBJECT1x][a]", "#[]{#OBJECT1x[]{a[]}}"},
};

TEST(TarnXMLObjectText, BuildsTreesInBothModes)
{
    ExpectTreesInBothModes(kTrees, kObjectText);
}

struct CObjectErrorCase
{
    const char* Name;
    std::string Text;
    const char* Message;
    int Line;
    const char* LenientTree;
};

const CObjectErrorCase kErrors[] = {
    {"InvalidCharacterInSectionName", "[a]1\n[a b]2", "Invalid character in Section name: a ", 2,
     "#[]{a[1],a b[2]}"},
    {"ObjectNumberZero", "[OBJECT0]", "Invalid object number 0.", 1, "#[]{#OBJECT0[]}"},
    {"ObjectNumberOutOfOrder", "@2\n[OBJECT1]\n[OBJECT3]", "Invalid object number 3.", 3,
     "#@2[]{#OBJECT1[],#OBJECT3[]}"},
    {"ObjectNumberDoesNotWrap", "[OBJECT18446744073709551617]", "Invalid object number 18446744073709551615.",
     1, "#[]{#OBJECT18446744073709551617[]}"},
    {"ObjectInSingleObjectText", "[a]1\n[OBJECT1]", "Object section not allowed in single object string.", 2,
     "#[]{a[1],#OBJECT1[]}"},
    {"CountDiffersFromAnnouncement", "@3[OBJECT1]\n[OBJECT2]\n",
     "Number of objects does not match the announced count.", 3, "#@3[]{#OBJECT1[],#OBJECT2[]}"},
    {"HeaderCutOffByEnd", "[a]1\n[b", "Last section not terminated.", 2, "#[]{a[1],b[]}"},
};

TEST(TarnXMLObjectText, StrictModeReportsLenientModeAccepts)
{
    for (const CObjectErrorCase& c : kErrors) {
        SCOPED_TRACE(c.Name);
        CTarnXMLDocument document(100, 10, kStrict);
        const CTarnXMLException error = ParseError(document, c.Text, kObjectText);
        EXPECT_EQ(error.Code, CTarnXMLException::SyntaxError);
        EXPECT_EQ(error.Message, c.Message);
        EXPECT_EQ(error.Line, c.Line);

        document.SetCheckingMode(kLenient);
        ASSERT_EQ(ParseError(document, c.Text, kObjectText).Code, -1);
        EXPECT_EQ(DumpTree(document.GetRoot()), c.LenientTree);
    }
}

TEST(TarnXMLObjectText, CutsSectionNameInMessageTo255Bytes)
{
    const std::string name(300, 'a');
    CTarnXMLDocument document(100, 10);
    EXPECT_EQ(ParseError(document, "[" + name + "-]", kObjectText).Message,
              "Invalid character in Section name: " + name.substr(0, 255));
}

} // namespace
