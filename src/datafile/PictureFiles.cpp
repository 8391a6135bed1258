#include "PictureFiles.h"

#include "catalogue/Data.h"
#include "datafile/DataFileNames.h"
#include "datafile/PictureName.h"
#include "datafile/Utf8Text.h"
#include "platform/PathText.h"
#include "resources/StringTables.h"

namespace {

constexpr int kCaption = 102;
constexpr int kPictureInUseMessage = 226;

} // namespace

CPictureFiles::CPictureFiles(CFileUtilities& utilities, CMessageService& messages)
    : m_utilities(utilities), m_messages(messages)
{}

bool CPictureFiles::CopyToDataDirectory(const CData& data, const std::string& dataPath, std::string& path)
{
    const auto sourceDirectory = CPathText::DirectoryOf(path);
    const auto dataDirectory = CPathText::DirectoryOf(dataPath);
    if (dataPath.empty() || !sourceDirectory || !dataDirectory)
        return false;
    const std::string source = path;
    path = CPictureName::Bare(source);
    if (path.empty())
        return false;
    if (CPathText::SamePath(*sourceDirectory, *dataDirectory))
        return true;
    if (IsProtectedName(dataPath, path))
        return Refuse(Windows1252Text(kProtectedNameText), path);
    const std::string target = CPathText::Join(*dataDirectory, path);
    if (m_utilities.Files().Exists(target)) {
        if (IsUsedByRecipe(data, path))
            return Refuse(CStringTables::Load(kPictureInUseMessage), path);
        if (!MayReplace(dataPath, path))
            return Refuse(Windows1252Text(kProtectedNameText), path);
        m_utilities.RemoveFile(target);
    }
    return m_utilities.Files().CopyNewFile(source, target) == 0;
}

bool CPictureFiles::CopyForSaveAs(const CData& data, const std::string& oldDirectory,
                                  const std::string& newDirectory)
{
    for (const CRecipe& recipe : data.Recipes) {
        const std::string name = CPictureName::Bare(recipe.PictureFilename);
        if (name.empty())
            continue;
        const std::string source = CPathText::Join(oldDirectory, name);
        const std::string target = CPathText::Join(newDirectory, name);
        if (CPathText::SamePath(source, target))
            continue;
        if (m_utilities.Files().Exists(target) || m_utilities.Files().CopyNewFile(source, target) != 0)
            return false;
    }
    return true;
}

// An unused file in the data directory may give way to the picture only when it is a picture
// itself and not a file of the program.
bool CPictureFiles::MayReplace(const std::string& dataPath, const std::string& name) const
{
    return CPictureName::HasPictureEnding(name) && !IsProtectedName(dataPath, name);
}

bool CPictureFiles::IsProtectedName(const std::string& dataPath, const std::string& name) const
{
    if (CDataFileNames(dataPath).IsOwnFileName(name))
        return true;
    const auto dataDirectory = CPathText::DirectoryOf(dataPath);
    const auto logDirectory = CPathText::DirectoryOf(m_logFilePath);
    return !m_logFilePath.empty() && dataDirectory && logDirectory &&
           CPathText::SamePath(*dataDirectory, *logDirectory) &&
           CPathText::EqualIgnoringCase(CPathText::FileNameOf(m_logFilePath), name);
}

bool CPictureFiles::IsUsedByRecipe(const CData& data, const std::string& name) const
{
    for (const CRecipe& recipe : data.Recipes) {
        if (CPictureName::Bare(recipe.PictureFilename) == name)
            return true;
    }
    return false;
}

bool CPictureFiles::Refuse(const std::string& text, std::string& path)
{
    m_messages.ShowMessage(text, CStringTables::Load(kCaption));
    path.clear();
    return false;
}
