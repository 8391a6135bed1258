#pragma once

#include "Clock.h"
#include "FileSystem.h"
#include "LogSink.h"

#include <cstdint>
#include <string>

// The file utilities that the data location search and the save sequence share. They never
// let an error escape: deletion and rename failures are logged, everything else is reported
// by results. Waits go through the clock, so tests never sleep for real.
//
// The write tests never destroy a file of someone else: TestDirectory creates its probe only
// when no file of that name exists, and TestWriteFile probes a side file in the same directory
// when anything exists at the path it is asked about.
class CFileUtilities
{
public:
    static constexpr const char* kDirectoryProbeName = "Test.txt";
    static constexpr const char* kDataDirectoryProbeName = "KostenkochTest.000";
    // Appended to a path that exists to name the side file its write test uses.
    static constexpr const char* kSideProbeSuffix = ".KostenkochTest";
    static constexpr const char* kProbeText = "TestData";

    CFileUtilities(CFileSystem& files, CClock& clock, CLogSink& log);

    // The file can be opened for reading (it is closed again at once).
    bool FileExists(const std::string& path);
    // Length in bytes; 0 when the file cannot be opened.
    std::uint64_t GetFileSize(const std::string& path);
    // The same, telling a file that cannot be measured from an empty one.
    bool TryGetFileSize(const std::string& path, std::uint64_t& size);
    // Creates the file empty and exclusively: whatever had that name before (a stale file, or
    // a symbolic link planted there) is removed first, never written through. 0 or the error.
    int CreateNewFile(const std::string& path);
    // CreateNewFile; true when that worked.
    bool TestCreateFile(const std::string& path);
    // Whether a file can be created in the directory: creates and deletes "Test.txt". True
    // without any probe when a file of that name exists already (the directory is there; it
    // is not ours to touch).
    bool TestDirectory(const std::string& directory);
    // Creates the directory and every missing parent; false when the directory exists already.
    bool CreateDirectoryPath(const std::string& directory);
    // Finds or creates the directory and checks that a file in it can be created, written,
    // read back and deleted.
    bool PrepareDataDirectory(const std::string& directory);
    // Whether a file at `path` can be created, written, read back and deleted. When anything
    // exists at `path`, the test runs on `path` + kSideProbeSuffix and the file stays as it is.
    bool TestWriteFile(const std::string& path);
    // Deletes the file in up to five attempts a second apart; false when any attempt failed
    // (each failure writes "Remove File: <path> failed, error <n>"). About 5 s when it cannot.
    bool RemoveFile(const std::string& path);
    // Removes `to`, renames `from` to `to` (a failure writes "FileRename : <from> -> <to>
    // failed, error <n>") and waits up to 10 s for `to` to appear. True when the rename worked.
    bool RenameFile(const std::string& from, const std::string& to);
    // Renames `from` to `to`, replacing a file at `to` in one step, so that one of the two is
    // always there; logs a failure like RenameFile. True when it worked.
    bool ReplaceFile(const std::string& from, const std::string& to);

    CFileSystem& Files() { return m_files; }
    CClock& Clock() { return m_clock; }
    void Log(const std::string& line) { m_log.WriteLog(line); }

private:
    void RemoveStale(const std::string& path);
    bool WriteProbe(const std::string& path);
    bool ReadProbe(const std::string& path, std::string& text);
    bool TestWriteFileAt(const std::string& path);
    bool RemoveAttempt(const std::string& path);
    void WaitForFile(const std::string& path);
    void LogRenameFailure(const std::string& from, const std::string& to, int error);

    CFileSystem& m_files;
    CClock& m_clock;
    CLogSink& m_log;
};
