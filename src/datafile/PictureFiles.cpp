#include "PictureFiles.h"

#include "catalogue/Data.h"
#include "datafile/DataFileNames.h"
#include "datafile/PictureName.h"
#include "datafile/ProgramMessages.h"
#include "datafile/Utf8Text.h"
#include "platform/PathText.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

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
    const std::string target = CPathText::Join(*dataDirectory, path);
    return MakeRoom(data, dataPath, target, path) && m_utilities.Files().CopyNewFile(source, target) == 0;
}

// Refuses the name of a file of the program, a picture that another recipe uses and an
// existing file that is not a picture; an unused picture of that name gives way.
bool CPictureFiles::MakeRoom(const CData& data, const std::string& dataPath, const std::string& target,
                             std::string& name)
{
    if (IsProtectedName(dataPath, name))
        return Refuse(Windows1252Text(kProtectedNameText), name);
    if (!m_utilities.Files().Exists(target))
        return true;
    if (IsUsedByRecipe(data, name))
        return Refuse(CStringTables::Load(StringId::kPictureInUse), name);
    if (!CPictureName::HasPictureEnding(name))
        return Refuse(Windows1252Text(kProtectedNameText), name);
    m_utilities.RemoveFile(target);
    return true;
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
    CProgramMessages::ShowText(m_messages, text);
    path.clear();
    return false;
}
