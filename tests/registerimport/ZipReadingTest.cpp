#include "RegisterExportGenerator.h"
#include "TempDir.h"
#include "platform/PosixFileSystem.h"
#include "registerimport/DsfinvkReader.h"
#include "registerimport/RegisterExportKind.h"
#include "registerimport/zip/ZipArchive.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <zip.h>

namespace {

// Packs files into a ZIP archive, each under `folder` inside it.
void WriteZip(const std::string& path, const std::map<std::string, std::string>& files,
              const std::string& folder = "")
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const auto& [name, bytes] : files) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        ASSERT_NE(source, nullptr);
        ASSERT_GE(zip_file_add(archive, (folder + name).c_str(), source, ZIP_FL_ENC_RAW), 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Everything a reader found, as one comparable text.
std::string Summary(const CRegisterSales& sales)
{
    std::string text = std::to_string(sales.Receipts) + "\n";
    for (const CRegisterSource& source : sales.Sources)
        text += source.Key + "|" + source.Label + "\n";
    for (const CRegisterLine& line : sales.Lines)
        text += RegisterItemKey(sales.ItemOf(line)) + "|" + std::to_string(line.DateTime.GetValue()) + "|" +
                std::to_string(line.Quantity) + "|" + std::to_string(line.GrossRevenue) + "|" +
                std::to_string(line.Source) + "\n";
    for (const auto& [reason, count] : sales.Skipped)
        text += std::to_string(static_cast<int>(reason)) + "|" + std::to_string(count.Lines) + "|" +
                std::to_string(count.Gross) + "\n";
    return text;
}

class ZipReadingTest : public ::testing::Test
{
protected:
    std::string Path(const std::string& name) const { return (m_dir.Path() / name).string(); }

    CTempDir m_dir;
    CPosixFileSystem m_files;
    CGeneratedExport m_export = GenerateDsfinvkExport({});
};

TEST_F(ZipReadingTest, AZipReadsLikeTheSameFolder)
{
    ASSERT_TRUE(DsfinvkReader::CanReadZip());
    std::filesystem::create_directory(Path("folder"));
    ASSERT_TRUE(WriteExportFolder(m_export, Path("folder")));
    WriteZip(Path("flat.zip"), m_export.Files);
    WriteZip(Path("nested.dat"), m_export.Files, "Export 2026/");

    CRegisterSales fromFolder;
    std::string message;
    ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Path("folder"), fromFolder, message)) << message;
    for (const char* zip : {"flat.zip", "nested.dat"}) {
        EXPECT_EQ(RegisterExport::GetKind(m_files, Path(zip)), ERegisterExportKind::DsfinvkZip) << zip;
        CRegisterSales fromZip;
        ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Path(zip), fromZip, message))
            << zip << ": " << message;
        EXPECT_EQ(Summary(fromZip), Summary(fromFolder)) << zip;
        EXPECT_EQ(fromZip.SourceName, Path(zip));
    }
}

TEST_F(ZipReadingTest, ABrokenOrHostileZipIsRefusedWithAMessage)
{
    WriteZip(Path("good.zip"), m_export.Files);
    const std::string good = ReadAll(Path("good.zip"));
    WriteAll(Path("random.zip"), std::string(3000, '\x5A'));
    WriteAll(Path("truncated.zip"), good.substr(0, good.size() / 2));
    std::map<std::string, std::string> outside = m_export.Files;
    WriteZip(Path("outside.zip"), {{"index.xml", m_export.Files.at("index.xml")}}, "../");
    std::map<std::string, std::string> noLines = m_export.Files;
    noLines.erase("lines.csv");
    WriteZip(Path("nolines.zip"), noLines);
    const struct
    {
        const char* File;
        const char* MessagePart;
    } cases[] = {
        {"random.zip", "keine lesbare ZIP-Datei"},
        {"truncated.zip", "ZIP"},
        {"outside.zip", "keine index.xml"},
        {"nolines.zip", "lines.csv fehlt"},
    };
    for (const auto& c : cases) {
        CRegisterSales sales;
        std::string message;
        EXPECT_FALSE(RegisterExport::ReadDsfinvk(m_files, Path(c.File), sales, message)) << c.File;
        EXPECT_NE(message.find(c.MessagePart), std::string::npos) << c.File << ": " << message;
        EXPECT_TRUE(sales.Lines.empty()) << c.File;
    }
}

// An entry that unpacks to more than the limit is refused before anything is unpacked.
TEST_F(ZipReadingTest, AnEntryLargerThanTheLimitIsNotUnpacked)
{
    WriteZip(Path("big.zip"), {{"lines.csv", std::string(1 << 20, ';')}});
    CZipArchive archive;
    ASSERT_EQ(archive.Open(Path("big.zip")), CZipArchive::Ok);
    std::string bytes;
    EXPECT_EQ(archive.Read("lines.csv", 4096, bytes), CZipArchive::TooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(archive.Read("lines.csv", 1 << 20, bytes), CZipArchive::Ok);
    EXPECT_EQ(bytes.size(), std::size_t(1) << 20);
    EXPECT_EQ(archive.Read("missing.csv", 1 << 20, bytes), CZipArchive::NotFound);
}

} // namespace
