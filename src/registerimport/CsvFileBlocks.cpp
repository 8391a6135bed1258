#include "CsvFileBlocks.h"

#include "datafile/Utf8Text.h"

#include <algorithm>

CCsvFileBlocks::CCsvFileBlocks(CFileSystem& files, std::string path, std::size_t blockBytes)
    : m_files(files), m_path(std::move(path)), m_blockBytes(std::max<std::size_t>(blockBytes, 1))
{}

CCsvFileBlocks::~CCsvFileBlocks()
{
    if (m_handle != CFileSystem::kNoHandle)
        m_files.Close(m_handle);
}

bool CCsvFileBlocks::Open(std::uint64_t maxBytes, std::string& message)
{
    int error = m_files.Open(m_path, CFileSystem::ReadOnly, m_handle);
    if (error == 0)
        error = m_files.GetSize(m_handle, m_size);
    if (error != 0) {
        message = Windows1252Text("Die Datei ") + m_path +
                  Windows1252Text(" kann nicht geöffnet werden (Fehler ") + std::to_string(error) + ").";
        return false;
    }
    if (m_size > maxBytes) {
        message = Windows1252Text("Die Datei ") + m_path +
                  Windows1252Text(" ist zu groß, um sie als Verkaufsjournal einzulesen.");
        return false;
    }
    return true;
}

bool CCsvFileBlocks::Next(std::string& block, std::string& message)
{
    block.swap(m_pending);
    m_pending.clear();
    while (!m_atEnd) {
        const std::size_t had = block.size();
        block.resize(had + m_blockBytes);
        std::size_t read = 0;
        const int error = m_files.Read(m_handle, block.data() + had, m_blockBytes, read);
        block.resize(had + read);
        if (error != 0) {
            message = Windows1252Text("Die Datei ") + m_path +
                      Windows1252Text(" kann nicht gelesen werden (Fehler ") + std::to_string(error) + ").";
            block.clear();
            return false;
        }
        m_atEnd = read < m_blockBytes;
        // The pending bytes hold no line end, so the last one found is in what was just read.
        const std::size_t lineEnd = block.rfind('\n');
        if (!m_atEnd && lineEnd != std::string::npos) {
            m_pending.assign(block, lineEnd + 1);
            block.resize(lineEnd + 1);
            return true;
        }
    }
    return !block.empty();
}
