#include "xml/TarnXMLDocument.h"

#include "TarnXMLTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kXml = CTarnXMLDocument::XmlFormat;
constexpr int kStrict = CTarnXMLDocument::Strict;
constexpr int kLenient = CTarnXMLDocument::Lenient;
const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n";

const CTreeCase kTreeCases[] = {
    {"StartTagThenEndTagGivesEmptyValue", "<a></a>", "a[]"},
    {"EmptyElementFormHasNoValue", "<a/>", "a"},
    {"ValueIsTextBeforeFirstChildAndLaterTextIsDropped", "<a>x<b/>y</a>", "a[x]{b}"},
    {"ValueIsTrimmedAndMarkedForDecoding", "<a> Salz &amp; Pfeffer </a>", "a[Salz &amp; Pfeffer]*"},
    {"WhiteSpaceOnlyValueIsEmpty", "<a>\r\n\t <b>1</b>\r\n   <c>2</c>\r\n</a>", "a[]{b[1],c[2]}"},
    {"CDataIsKeptRawAndMarked", "<a> <![CDATA[x<y>]z]]> </a>", "a[<![CDATA[x<y>]z]]>]*"},
    {"DeclarationAndCommentBeforeRootAreSkipped", kDeclaration + "<!-- saved <by> us -->\r\n<root>v</root>",
     "root[v]"},
    {"SecondTopLevelElementIsRootSibling", "<a/><b c=\"1\">t</b>", "a,b[t]{@c[1]}"},
    {"TopLevelTextAndStrayEndTagAreDropped", "junk</x><a/>more", "a"},
    {"CommentEndsTheValue", "<a>v<!-- c -->w</a>", "a[v]"},
    {"ProcessingInstructionEndsTheValue", "<a><?pi x?>v</a>", "a[]"},
    {"DoctypeWithNestedBracketsIsSkipped", "<!DOCTYPE a [<!ELEMENT a ANY>]><a/>", "a"},
    {"AttributesKeepTheOtherQuoteAndAreTrimmed", "<a x=' say \"hi\" ' y = \"2\" ></a>",
     "a[]{@x[say \"hi\"],@y[2]}"},
    {"AmpersandMarksAttribute", "<a x=\"1&amp;2\"></a>", "a[]{@x[1&amp;2]*}"},
    {"EmptyElementFlagDoesNotCarryOver", "<a><b/><c x='1'>t</c></a>", "a[]{b,c[t]{@x[1]}}"},
    {"NamesMayHoldAnyOtherByte", "<\xe4-1.x:y>v</\xe4-1.x:y>", "\xe4-1.x:y[v]"},
};

TEST(TarnXMLDocument, ParsesTreesInBothModes)
{
    ExpectTreesInBothModes(kTreeCases, kXml);
}

struct CErrorCase
{
    const char* Name;
    std::string Text;
    int Mode;
    int Code;
    const char* Message;
    int Line;
};

const CErrorCase kErrorCases[] = {
    {"EndTagMismatchStrict", "<a>\n<b>\n</c>\n</a>", kStrict, 6,
     "End tag \"c\" does not match start tag \"b\"", 3},
    {"EndTagMismatchLenient", "<a>\n<b>\n</c>\n</a>", kLenient, -1, "", -1},
    {"LineFeedInAttributeValue", "<a\nx=\"1\n2\"/>", kLenient, 6, "Invalid line break in attribute data: 1\n",
     2},
    {"LineFeedBeforeOpeningQuote", "<a x=\n\"1\"/>", kLenient, 6, "Invalid line break in attribute data: \n",
     1},
    {"MissingEndTagReportsLastLine", "<a>\n<b></b>\n\n", kLenient, 6, "End tags do not match start tags", 4},
    {"BlankBeforeSlash", "<a />", kLenient, 6, "Invalid character in attribute name: />", 1},
    {"AttributeBeforeSlash", "<a\r\nb='1'/>", kLenient, 6, "Invalid character in attribute name: />", 2},
    {"AngleInTagName", "<a<b>", kLenient, 6, "Invalid character in tag name: a<", 1},
    {"AmpersandInAttributeName", "<a b&c='1'/>", kLenient, 6, "Invalid character in attribute name: b&", 1},
    {"ByteBetweenAttributeAndEqualStrict", "<a b c='1'></a>", kStrict, 6,
     "Expecting equal behind attribute: b", 1},
    {"ByteBetweenAttributeAndEqualLenient", "<a b c='1'></a>", kLenient, -1, "", -1},
    {"UnterminatedCData", "<a><![CDATA[x]]</a>", kLenient, 6, "End tags do not match start tags", 1},
    {"CDataLookAheadAtEnd", "<a><![CDA", kLenient, 6, "End tags do not match start tags", 1},
    {"UnterminatedComment", "<!-- a < b -->\n<b/>", kLenient, 6, "End tags do not match start tags", 2},
    {"NameTokenAtEnd", "<a><bcd", kLenient, 6, "End tags do not match start tags", 1},
    {"EmptyText", "", kStrict, -1, "", -1},
};

TEST(TarnXMLDocument, ReportsSyntaxErrorsWithLine)
{
    for (const CErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.Name);
        CTarnXMLDocument document(1000, 100, c.Mode);
        const CTarnXMLException error = ParseError(document, c.Text, kXml);
        EXPECT_EQ(error.Code, c.Code);
        EXPECT_EQ(error.Message, c.Message);
        EXPECT_EQ(error.Line, c.Line);
        EXPECT_EQ(error.Column, 0);
        EXPECT_EQ(error.Name, "");
    }
}

TEST(TarnXMLDocument, CutsNamesInMessagesTo127Bytes)
{
    const std::string longName(300, 'n');
    CTarnXMLDocument document(1000, 100);
    EXPECT_EQ(ParseError(document, "<" + longName + "<", kXml).Message,
              "Invalid character in tag name: " + longName.substr(0, 127));
    EXPECT_EQ(ParseError(document, "<" + longName + ">\n</" + longName + "x>", kXml).Message,
              "End tag \"" + longName.substr(0, 127) + "\" does not match start tag \"" +
                  longName.substr(0, 127) + "\"");
    EXPECT_EQ(ParseError(document, "<a " + longName + " x", kXml).Message,
              "Expecting equal behind attribute: " + longName.substr(0, 127));
}

std::string Nested(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<e>";
    for (int i = 0; i < depth; ++i)
        text += "</e>";
    return text;
}

TEST(TarnXMLDocument, NestingDeeperThanMaximumThrowsCode7)
{
    CTarnXMLDocument document(1000, 100);
    EXPECT_EQ(ParseError(document, Nested(100), kXml).Code, -1);
    EXPECT_EQ(document.GetNodeCount(), 100u);
    EXPECT_EQ(ParseError(document, Nested(101), kXml).Code, CTarnXMLException::StackOverflow);
    // An attribute takes a place on the element stack too.
    const auto withAttribute = [](int depth) {
        return Nested(depth).insert(static_cast<size_t>(depth) * 3, "<e a='1'></e>");
    };
    EXPECT_EQ(ParseError(document, withAttribute(98), kXml).Code, -1);
    EXPECT_EQ(ParseError(document, withAttribute(99), kXml).Code, CTarnXMLException::StackOverflow);
}

struct CFormatCase
{
    std::string Text;
    int Format;
};

const CFormatCase kFormatCases[] = {
    {" \r\n\t<?xml version=\"1.0\"?><a/>", CTarnXMLDocument::XmlFormat},
    {"<?xml?>", CTarnXMLDocument::XmlFormat},
    {"\r\n[Name]Salz", CTarnXMLDocument::ObjectTextFormat},
    {"@12[OBJECT1]", CTarnXMLDocument::ObjectTextFormat},
    {"[a" + std::string(48, '9') + "]", CTarnXMLDocument::ObjectTextFormat},
    {"[a" + std::string(49, '9') + "]", -1},
    {"<a/>", -1},
    {"<?XML?><a/>", -1},
    {"@[a]", -1},
    {"@12 [a]", -1},
    {"[1a]", -1},
    {"[a b]", -1},
    {"[a", -1},
    {"", -1},
};

TEST(TarnXMLDocument, DetectsFormatOrThrowsCode2)
{
    for (const CFormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.Text);
        CTarnXMLDocument document(1000, 100, kLenient);
        const CTarnXMLException error = ParseError(document, c.Text, CTarnXMLDocument::DetectFormat);
        if (c.Format < 0) {
            EXPECT_EQ(error.Code, CTarnXMLException::UnknownFormat);
        } else {
            EXPECT_EQ(error.Code, -1);
            EXPECT_EQ(document.GetFormat(), c.Format);
        }
    }
    CTarnXMLDocument document(1000, 100);
    EXPECT_EQ(ParseError(document, "<a/>", 3).Code, CTarnXMLException::UnknownFormat);
}

TEST(TarnXMLDocument, RefusesUnreadableAndOversizedTexts)
{
    CTarnXMLDocument document(1000, 100);
    const auto codeOf = [&](const char* text, size_t length, int useCallerBuffer) {
        try {
            document.Parse(text, length, kXml, useCallerBuffer);
        } catch (const CTarnXMLException& error) {
            return error.Code;
        }
        return -1;
    };
    EXPECT_EQ(codeOf(nullptr, 0, 0), CTarnXMLException::UnreadableText);
    // The caller's buffer must end with a zero right after the given length.
    EXPECT_EQ(codeOf("<a/>x", 4, 1), CTarnXMLException::UnreadableText);
    EXPECT_EQ(codeOf("<a/>x", 4, 0), -1);
    // 4 GiB - 101 bytes and more are refused before a byte is read.
    EXPECT_EQ(codeOf("<a/>", 0xFFFFFFFFull - 100, 0), CTarnXMLException::NoMemory);
    EXPECT_EQ(codeOf("<a/>", 0xFFFFFFFFull - 100, 1), CTarnXMLException::NoMemory);
    EXPECT_EQ(codeOf("<a/>", SIZE_MAX, 0), CTarnXMLException::NoMemory);
}

TEST(TarnXMLDocument, ZeroByteEndsTheText)
{
    const char text[] = "<?xml?><a>v</a>\0<b>";
    CTarnXMLDocument document(1000, 100);
    document.Parse(text, sizeof text - 1);
    EXPECT_EQ(DumpTree(document.GetRoot()), "a[v]");
    EXPECT_EQ(document.GetTextLength(), sizeof text - 1);
}

TEST(TarnXMLDocument, RaisesNodeMaximumFromTextLength)
{
    std::string text = "<r>";
    for (int i = 0; i < 1000; ++i)
        text += "<e/>";
    text += "</r>";
    CTarnXMLDocument document(10, 100);
    document.Parse(text.c_str(), 0, kXml);
    EXPECT_EQ(document.GetNodeCount(), 1001u);

    // The densest text the grammar allows, one element per two bytes, runs out of end tags,
    // not of node records.
    std::string dense;
    for (int i = 0; i < 3000; ++i)
        dense += "<>";
    CTarnXMLDocument deep(1, 3000, kLenient);
    EXPECT_EQ(ParseError(deep, dense, kXml).Message, "End tags do not match start tags");
    EXPECT_EQ(deep.GetNodeCount(), 3000u);
}

TEST(TarnXMLDocument, AddNodeStopsAtMaximumWithoutText)
{
    CTarnXMLDocument document(25, 100);
    for (int i = 0; i < 25; ++i)
        ASSERT_NE(document.AddNode(nullptr, nullptr), nullptr);
    try {
        document.AddNode(nullptr, nullptr);
        FAIL() << "no exception";
    } catch (const CTarnXMLException& error) {
        EXPECT_EQ(error.Code, CTarnXMLException::NoMemory);
    }
    ExpectConsistentTree(document, document.GetRoot());
}

TEST(TarnXMLDocument, AddNodeLinksByTheThreeInsertRules)
{
    CTarnXMLDocument document(100, 10);
    const auto add = [&](CTarnXMLNode* parent, CTarnXMLNode* after, const char* name) {
        CTarnXMLNode* node = document.AddNode(parent, after);
        if (node != nullptr) {
            node->Name = const_cast<char*>(name);
            node->NameLength = static_cast<int>(std::strlen(name));
        }
        return node;
    };
    CTarnXMLNode* root = add(nullptr, nullptr, "r");
    EXPECT_EQ(document.GetRoot(), root);
    CTarnXMLNode* a = add(root, nullptr, "a");
    add(root, nullptr, "b");
    add(root, CTarnXMLDocument::InsertFirst, "c");
    add(root, a, "d");
    CTarnXMLNode* e = add(a, nullptr, "e");
    add(a, e, "f");
    add(nullptr, nullptr, "t");
    add(nullptr, CTarnXMLDocument::InsertFirst, "s");
    EXPECT_EQ(DumpTree(document.GetRoot()), "s,r{c,a{e,f},d,b},t");
    EXPECT_EQ(e->Level, 2);
    ExpectConsistentTree(document, document.GetRoot());

    // `after` must be a child of `parent`: nothing is linked and no record is used.
    const uint32_t count = document.GetNodeCount();
    EXPECT_EQ(document.AddNode(root, e), nullptr);
    EXPECT_EQ(document.AddNode(nullptr, a), nullptr);
    EXPECT_EQ(document.GetNodeCount(), count);
}

TEST(TarnXMLDocument, CheckNodeThrowsCode4OnlyInStrictMode)
{
    CTarnXMLDocument document(1000, 100);
    document.Parse("<a><b/></a>", 0, kXml);
    CTarnXMLNode* root = document.GetRoot();
    CTarnXMLNode local{};
    const CTarnXMLNode* bad[] = {
        nullptr,
        &local,
        reinterpret_cast<const CTarnXMLNode*>(reinterpret_cast<const char*>(root) + 4),
        root + 2, // committed but not handed out
        root + 1000000,
    };
    EXPECT_NO_THROW(document.CheckNode(root->FirstChild));
    for (const CTarnXMLNode* node : bad) {
        document.SetCheckingMode(kStrict);
        try {
            document.CheckNode(node);
            ADD_FAILURE() << "no exception for " << node;
        } catch (const CTarnXMLException& error) {
            EXPECT_EQ(error.Code, CTarnXMLException::InvalidNode);
        }
        document.SetCheckingMode(kLenient);
        EXPECT_NO_THROW(document.CheckNode(node));
    }
}

TEST(TarnXMLDocument, CountsLinesUpToAPosition)
{
    CTarnXMLDocument document(1000, 100);
    document.Parse("<a>\n<b>x</b>\r\n\n<c/></a>", 0, kXml);
    const CTarnXMLNode* b = document.GetRoot()->FirstChild;
    const char* text = document.GetText();
    EXPECT_EQ(document.GetLineNumber(text), 1);
    EXPECT_EQ(document.GetLineNumber(text + 3), 1);
    EXPECT_EQ(document.GetLineNumber(text + 4), 2);
    EXPECT_EQ(document.GetLineNumber(b->Value), 2);
    EXPECT_EQ(document.GetLineNumber(b->Next->Name), 4);
    EXPECT_EQ(document.GetLineNumber(text + document.GetTextLength()), 4);
    EXPECT_EQ(document.GetLineNumber(text + document.GetTextLength() + 1), -1);
    EXPECT_EQ(document.GetLineNumber(text - 1), -1);
}

TEST(TarnXMLDocument, EscapeAndDecodeRoundTrip)
{
    const char* const texts[] = {
        "Salz & Pfeffer", "<b>&amp;</b>", "a<b>c&d", "\"quoted\" 'too'", "&", "", ">>"};
    for (const char* text : texts) {
        const std::string escaped = CTarnXMLDocument::EscapeXML(text);
        EXPECT_EQ(escaped.find_first_of("<>"), std::string::npos) << escaped;
        CTarnXMLNode node{};
        node.Value = const_cast<char*>(escaped.c_str());
        node.ValueLength = static_cast<int>(escaped.size());
        node.NeedsDecoding = 1;
        EXPECT_EQ(CTarnXMLDocument::DecodeValue(node), text);
    }
    EXPECT_EQ(CTarnXMLDocument::EscapeXML("a<&>\"'"), "a&lt;&amp;&gt;\"'");
}

TEST(TarnXMLDocument, DecodesOnlyTheThreeReferencesInOnePass)
{
    struct
    {
        const char* Value;
        int NeedsDecoding;
        const char* Decoded;
    } const cases[] = {
        {"&amp;lt;", 1, "&lt;"}, {"&quot;&#65;&am", 1, "&quot;&#65;&am"},
        {"x&gt", 1, "x&gt"},     {"&lt;&gt;&amp;", 1, "<>&"},
        {"&amp;", 0, "&amp;"},
    };
    for (const auto& c : cases) {
        CTarnXMLNode node{};
        node.Value = const_cast<char*>(c.Value);
        node.ValueLength = static_cast<int>(std::strlen(c.Value));
        node.NeedsDecoding = c.NeedsDecoding;
        EXPECT_EQ(CTarnXMLDocument::DecodeValue(node), c.Decoded);
    }
    EXPECT_EQ(CTarnXMLDocument::DecodeValue(CTarnXMLNode{}), "");
}

TEST(TarnXMLDocument, ParsesAgainAfterSuccessAndFailure)
{
    CTarnXMLDocument document(10, 100);
    std::string big = "<r>";
    for (int i = 0; i < 500; ++i)
        big += "<e>" + std::to_string(i) + "</e>";
    big += "</r>";
    document.Parse(big.c_str(), 0, kXml);
    EXPECT_EQ(document.GetNodeCount(), 501u);
    EXPECT_EQ(ParseError(document, "<a><b></a>", kXml).Code, 6);
    document.Parse("<x>1</x>", 0, kXml);
    EXPECT_EQ(document.GetNodeCount(), 1u);
    EXPECT_EQ(DumpTree(document.GetRoot()), "x[1]");
    ExpectConsistentTree(document, document.GetRoot());
    EXPECT_EQ(document.GetRoot()[1].InUse, 0);
}

// Parses `text` from an exact-size heap buffer so that AddressSanitizer sees any read past it.
void ParseExactBuffer(const std::string& text, int format, int mode)
{
    std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
    std::memcpy(buffer.get(), text.data(), text.size());
    buffer[text.size()] = 0;
    for (int useCallerBuffer : {0, 1}) {
        CTarnXMLDocument document(10, 8, mode);
        try {
            document.Parse(buffer.get(), text.size(), format, useCallerBuffer);
            ExpectConsistentTree(document, document.GetRoot());
        } catch (const CTarnXMLException& error) {
            EXPECT_TRUE(error.Code == 2 || error.Code == 6 || error.Code == 7) << error.Code;
        }
    }
}

// Every prefix parses to a consistent tree or stops with a known error, never reading past the
// buffer.
TEST(TarnXMLDocument, EveryPrefixGivesAConsistentTreeOrAKnownError)
{
    const std::string text = kDeclaration + "<!DOCTYPE k [<!ELEMENT k ANY>]>\r\n<!-- c -->\r\n"
                                            "<k a=\"1&amp;2\" b='x'>\r\n <n>Salz &lt; Pfeffer</n><e/>"
                                            "<c><![CDATA[a]]b]]></c><?pi?><p x=\"\"></p></k>\r\n";
    for (size_t length = 0; length <= text.size(); ++length) {
        for (int mode : {kStrict, kLenient}) {
            ParseExactBuffer(text.substr(0, length), CTarnXMLDocument::DetectFormat, mode);
            ParseExactBuffer(text.substr(0, length), kXml, mode);
        }
    }
}

TEST(TarnXMLDocument, RandomMarkupGivesAConsistentTreeOrAKnownError)
{
    const std::string alphabet = "<>/=\"'&![]CDAT?-ab \n@OBJECT1[";
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 48, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        for (int format : {kXml, static_cast<int>(CTarnXMLDocument::ObjectTextFormat)})
            ParseExactBuffer(text, format, round % 2 == 0 ? kStrict : kLenient);
    }
}

} // namespace
