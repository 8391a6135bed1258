#include "DataFileReader.h"

#include "catalogue/Data.h"
#include "datafile/DataFileFingerprint.h"
#include "datafile/DataFileLog.h"
#include "datafile/DataFileNode.h"
#include "datafile/DataFileRecordSink.h"
#include "datafile/RegisterMappingNames.h"
#include "datafile/TextDigest.h"
#include "platform/File.h"
#include "platform/LargePages.h"
#include "resources/StringIds.h"
#include "xml/TarnXMLDocument.h"

#include <exception>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace {

constexpr std::uint32_t kMaxNodes = 1000000;
constexpr std::uint32_t kMaxDepth = 100;

constexpr std::string_view kRootName = "Kostenkoch";

// The text field of the master data that an element of MainUserdata sets, if any.
std::string* UserdataField(CData& data, EXmlName name)
{
    switch (name) {
    case EXmlName::Company:
        return &data.Company;
    case EXmlName::Firstname:
        return &data.Firstname;
    case EXmlName::Lastname:
        return &data.Lastname;
    case EXmlName::Street:
        return &data.Street;
    case EXmlName::PLZ:
        return &data.PLZ;
    case EXmlName::City:
        return &data.City;
    case EXmlName::Country:
        return &data.Country;
    case EXmlName::CurrencyUnit:
        return &data.CurrencyUnit;
    case EXmlName::CurrencyUnit2:
        return &data.CurrencyUnit2;
    default:
        return nullptr;
    }
}

// The bytes of a file and a terminating zero; the buffer is not cleared before the file fills it.
struct CFileText
{
    std::unique_ptr<char[]> Bytes;
    std::size_t Length = 0;

    std::string_view View() const { return {Bytes.get(), Length}; }
};

// The whole file from its start; a file that shrinks meanwhile gives what is there.
CFileText ReadText(CFile& file)
{
    const std::uint64_t length = file.GetLength();
    if (length >= std::numeric_limits<std::size_t>::max())
        throw std::length_error("data file too large");
    CFileText text{std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(length) + 1), 0};
    AdviseLargePages(text.Bytes.get(), static_cast<std::size_t>(length));
    file.SeekToBegin();
    while (text.Length < length) {
        const std::size_t read =
            file.Read(text.Bytes.get() + text.Length, static_cast<std::size_t>(length) - text.Length);
        if (read == 0)
            break;
        text.Length += read;
    }
    text.Bytes[text.Length] = '\0';
    return text;
}

} // namespace

CDataFileReader::CDataFileReader(CData& data, CDataFileFingerprint* fingerprint)
    : m_data(data), m_records(data), m_fingerprint(fingerprint)
{}

// The file is mapped where the system can (its pages are already in memory, and a copy would
// cost fresh memory of the file's size) and read into a buffer otherwise. A mapped file that
// another program cuts short meanwhile reads as damaged: the read fails, as any read that
// meets a broken text.
int CDataFileReader::Read(CFile& file)
{
    LogDataFile(m_data, "CData::ReadFromXML()");
    LogDataFile(m_data, "CData::ReadFromXML() file read start");
    try {
        const std::unique_ptr<CFileView> view = file.MapForReading();
        const CFileText buffer = view ? CFileText{} : ReadText(file);
        const std::string_view text = view ? view->Text() : buffer.View();
        LogDataFile(m_data, "CData::ReadFromXML() file read finished");
        Parse(text);
        CTextDigest digest;
        if (m_fingerprint)
            digest.Add(text);
        if (view && view->IsDamaged())
            return Fail();
        if (!m_rootFound) {
            LogDataFile(m_data, "CData::ReadFromXML() no Kostenkoch element");
            return 2;
        }
        if (m_fingerprint)
            m_fingerprint->Remember(digest);
    } catch (const CTarnXMLException&) {
        return Fail();
    } catch (const CFileException&) {
        return Fail();
    } catch (const std::exception&) {
        return Fail();
    }
    LogDataFile(m_data, "CData::ReadFromXML() -> OK");
    return 0;
}

int CDataFileReader::Fail()
{
    LogDataFile(m_data, "CData::ReadFromXML() XML parser failed");
    return 1;
}

// The document parses the text in place: the text lives until the tree has been walked, and a
// second copy would only add to the peak memory of a load. The records are read as the parser
// finishes them (CDataFileRecordSink); the walk afterwards reads the rest of the tree.
void CDataFileReader::Parse(std::string_view text)
{
    LogDataFile(m_data, "CData::ReadFromXML() XML parser start");
    CDataFileRecordSink sink(m_records);
    CTarnXMLDocument document(kMaxNodes, kMaxDepth);
    document.SetCheckingMode(CTarnXMLDocument::Lenient);
    document.SetElementSink(&sink);
    document.Parse(text.data(), text.size(), CTarnXMLDocument::DetectFormat, 1);
    LogDataFile(m_data, "CData::ReadFromXML() XML parser finished");
    m_sink = &sink;
    Init(document.GetRoot());
    m_sink = nullptr;
}

void CDataFileReader::Init(const CTarnXMLNode* node)
{
    if (node) {
        const CDataFileNode current(*node);
        if (current.IsElement() && current.RawName() == kRootName) {
            ReadRoot(current);
        } else {
            for (const CTarnXMLNode* child = node->FirstChild; child; child = child->Next)
                Init(child);
        }
    }
    RestoreReferences();
}

void CDataFileReader::ReadRoot(const CDataFileNode& root)
{
    m_rootFound = true;
    root.ForEachChild([&](const CDataFileNode& child) {
        switch (child.Name()) {
        case EXmlName::MainUserdata:
            ReadMainUserdata(child);
            break;
        case EXmlName::MainNames:
            ReadMainNames(child);
            break;
        case EXmlName::Ingredients:
            ReadIngredients(child);
            break;
        case EXmlName::Recipes:
            ReadRecipes(child);
            break;
        case EXmlName::Sales:
            ReadSales(child);
            break;
        default: // Version and unknown names
            if (child.IsElement() && child.RawName() == RegisterMappingNames::kSection)
                m_records.ReadRegisterMapping(child);
            break;
        }
    });
}

void CDataFileReader::ReadMainUserdata(const CDataFileNode& node)
{
    node.ForEachChild([&](const CDataFileNode& child) {
        const EXmlName name = child.Name();
        if (std::string* field = UserdataField(m_data, name))
            *field = child.Text();
        else if (name == EXmlName::CurrencyFactor2)
            m_data.CurrencyFactor2 = child.Double();
    });
}

// Group entries without a valid Index attribute are ignored; an empty group name keeps the name
// the catalogue has.
void CDataFileReader::ReadMainNames(const CDataFileNode& node)
{
    node.ForEachChild([&](const CDataFileNode& child) {
        const EXmlName name = child.Name();
        if (name != EXmlName::NameGroup && name != EXmlName::Taxes && name != EXmlName::Quotes)
            return;
        const int group = child.IndexAttribute();
        if (!CData::IsValidGroup(group))
            return;
        const auto index = static_cast<std::size_t>(group);
        if (name == EXmlName::Taxes) {
            m_data.Taxes[index] = child.Double();
        } else if (name == EXmlName::Quotes) {
            m_data.Quotes[index] = child.Double();
        } else if (std::string text = child.Text(); !text.empty()) {
            m_data.NameGroup[index] = std::move(text);
        }
    });
}

void CDataFileReader::ReadIngredients(const CDataFileNode& node)
{
    LogDataFile(m_data, "CData::InitFromXML() -> Ingredients");
    ShowDataFileStatus(m_data, StringId::kStatusIngredients);
    node.ForEachChild([&](const CDataFileNode& child) {
        if (child.Name() != EXmlName::Ingredient)
            return;
        if (m_records.AppendIngredient(child))
            m_restorePending = true;
    });
}

void CDataFileReader::ReadRecipes(const CDataFileNode& node)
{
    LogDataFile(m_data, "CData::InitFromXML() -> Recipes");
    const std::string status = m_data.Owner ? CStringTables::Load(StringId::kStatusRecipes) : std::string();
    // The status follows every child of the section, those read during the parse included.
    if (m_data.Owner && m_sink) {
        for (std::size_t dropped = m_sink->DroppedChildren(node.Node()); dropped != 0; --dropped)
            m_data.Owner->ShowStatus(status);
    }
    node.ForEachChild([&](const CDataFileNode& child) {
        if (m_data.Owner)
            m_data.Owner->ShowStatus(status);
        if (child.Name() != EXmlName::Recipe)
            return;
        if (m_records.AppendRecipe(child))
            m_restorePending = true;
    });
}

void CDataFileReader::ReadSales(const CDataFileNode& node)
{
    LogDataFile(m_data, "CData::InitFromXML() -> Sales");
    ShowDataFileStatus(m_data, StringId::kStatusSales);
    node.ForEachChild([&](const CDataFileNode& child) {
        if (child.Name() != EXmlName::Sale)
            return;
        m_records.AppendSale(child);
    });
}

// Runs at the end of every step of the search for the root, as the log shows; linking again
// without new records would change nothing, so that work is skipped.
void CDataFileReader::RestoreReferences()
{
    ShowDataFileStatus(m_data, StringId::kStatusLinking);
    LogDataFile(m_data, "CData::InitFromXML() -> restore ingredients to recipes");
    if (m_restorePending) {
        m_data.RestoreIngredients();
        m_restorePending = false;
    }
    LogDataFile(m_data, "CData::InitFromXML() -> OK");
}
