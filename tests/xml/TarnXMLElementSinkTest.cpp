#include "xml/TarnXMLElementSink.h"

#include "TarnXMLTestSupport.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kXml = CTarnXMLDocument::XmlFormat;

// Drops every element named "r" and keeps a picture of each one as it was when it ended.
class CDroppingSink : public CTarnXMLElementSink
{
public:
    bool OnElementEnd(const CTarnXMLNode& element) override
    {
        Ended.push_back(NodeName(element));
        if (NodeName(element) != "r")
            return false;
        EXPECT_EQ(element.Next, nullptr) << "an ending element is the last one linked";
        Dropped.push_back(DumpTree(&element));
        return true;
    }

    std::vector<std::string> Ended;
    std::vector<std::string> Dropped;
};

// What the sink should leave and see, worked out from the whole tree: elements named "r" are
// cut out innermost first, each pictured without the ones cut inside it.
struct CExpectedCut
{
    std::string Tree;
    std::vector<std::string> Dropped;
    std::vector<std::string> Ended;
};

std::string CutTree(const CTarnXMLNode* node, CExpectedCut& cut);

std::string CutNode(const CTarnXMLNode& node, CExpectedCut& cut)
{
    std::string out = node.Kind == CTarnXMLNode::Attribute ? "@" : "";
    out += NodeName(node);
    if (node.Value != nullptr)
        out += "[" + std::string(node.Value, static_cast<size_t>(node.ValueLength)) + "]";
    if (node.NeedsDecoding)
        out += "*";
    const std::string children = CutTree(node.FirstChild, cut);
    if (!children.empty())
        out += "{" + children + "}";
    return out;
}

std::string CutTree(const CTarnXMLNode* node, CExpectedCut& cut)
{
    std::string out;
    for (; node != nullptr; node = node->Next) {
        const std::string picture = CutNode(*node, cut);
        if (node->Kind != CTarnXMLNode::Element) {
            out += (out.empty() ? "" : ",") + picture;
            continue;
        }
        cut.Ended.push_back(NodeName(*node));
        if (NodeName(*node) == "r")
            cut.Dropped.push_back(picture);
        else
            out += (out.empty() ? "" : ",") + picture;
    }
    return out;
}

// Parses `text` once whole and once with the dropping sink: both succeed or both fail with the
// same code, and the sink's tree is the whole tree with the dropped elements cut out.
void ExpectSinkMatchesWholeTree(const std::string& text, int mode)
{
    CTarnXMLDocument whole(10, 8, mode);
    const CTarnXMLException wholeError = ParseError(whole, text, kXml);
    CTarnXMLDocument streamed(10, 8, mode);
    CDroppingSink sink;
    streamed.SetElementSink(&sink);
    const CTarnXMLException streamedError = ParseError(streamed, text, kXml);
    ASSERT_EQ(streamedError.Code, wholeError.Code) << text;
    if (wholeError.Code != -1)
        return;
    CExpectedCut expected;
    expected.Tree = CutTree(whole.GetRoot(), expected);
    EXPECT_EQ(DumpTree(streamed.GetRoot()), expected.Tree) << text;
    EXPECT_EQ(sink.Dropped, expected.Dropped) << text;
    ExpectConsistentTree(streamed, streamed.GetRoot());
    EXPECT_EQ(sink.Ended, expected.Ended) << "every element, children before their parent: " << text;
}

// Well-formed markup of elements a, b and r, nested up to four deep, with attributes, values,
// references and the empty-element form.
void AddRandomElement(std::mt19937& random, int depth, std::string& text)
{
    static const char* const kNames[] = {"a", "b", "r"};
    const std::string name = kNames[random() % 3];
    text += "<" + name;
    if (random() % 3 == 0)
        text += " x='" + std::to_string(random() % 10) + (random() % 2 ? "&amp;" : "") + "'";
    if (random() % 5 == 0) {
        text += "/>";
        return;
    }
    text += ">";
    if (random() % 2)
        text += random() % 4 == 0 ? " v &lt; w " : std::to_string(random() % 100);
    const int children = depth < 4 ? static_cast<int>(random() % 4) : 0;
    for (int i = 0; i < children; ++i)
        AddRandomElement(random, depth + 1, text);
    text += "</" + name + ">\n";
}

TEST(TarnXMLElementSink, DroppedElementsLeaveTheTreeCutAsTheWholeTreeShows)
{
    for (const std::string text :
         {"<r/>", "<a><r/></a>", "<a><b>1</b><r x='1'>t<b/></r><b>2</b></a>", "<a><r><r>1</r><b/></r></a>",
          "<r><a/></r><a/><r/>", "<a>\n<r>\n</b>\n<b/></a>", "<a><r><b></a>"}) {
        ExpectSinkMatchesWholeTree(text, CTarnXMLDocument::Strict);
        ExpectSinkMatchesWholeTree(text, CTarnXMLDocument::Lenient);
    }
    std::mt19937 random(20261206);
    for (int round = 0; round < 400; ++round) {
        std::string text = "<?xml version=\"1.0\"?>\n";
        for (int top = 1 + static_cast<int>(random() % 2); top > 0; --top)
            AddRandomElement(random, 0, text);
        ExpectSinkMatchesWholeTree(text,
                                   round % 2 == 0 ? CTarnXMLDocument::Strict : CTarnXMLDocument::Lenient);
    }
}

TEST(TarnXMLElementSink, BrokenMarkupFailsAsWithoutASink)
{
    const std::string alphabet = "<>/=\"'&!?-rab \n";
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        ExpectSinkMatchesWholeTree(text,
                                   round % 2 == 0 ? CTarnXMLDocument::Strict : CTarnXMLDocument::Lenient);
    }
}

TEST(TarnXMLElementSink, DroppedRecordsAreReused)
{
    std::string text = "<a>";
    for (int i = 0; i < 10000; ++i)
        text += "<r x='1'><b>" + std::to_string(i) + "</b><b/></r>";
    text += "<b>end</b></a>";
    CTarnXMLDocument document(10, 8);
    CDroppingSink sink;
    document.SetElementSink(&sink);
    document.Parse(text.c_str(), text.size(), kXml, 1);
    EXPECT_EQ(sink.Dropped.size(), 10000u);
    EXPECT_EQ(sink.Dropped.back(), "r[]{@x[1],b[9999],b}");
    EXPECT_EQ(DumpTree(document.GetRoot()), "a[]{b[end]}");
    EXPECT_EQ(document.GetNodeCount(), 2u);
    ExpectConsistentTree(document, document.GetRoot());
    EXPECT_EQ(document.GetRoot()[2].InUse, 0) << "released records are zero again";

    // Without the sink the same document is whole again.
    document.SetElementSink(nullptr);
    document.Parse(text.c_str(), text.size(), kXml, 1);
    EXPECT_EQ(document.GetNodeCount(), 2u + 40000u);
}

} // namespace
