// The save sequence under an injected failure at every file operation it performs, one at a
// time, and under a crash at every call (nothing reaches the disk after it): afterwards the
// data file itself must hold a complete catalogue, the one saved before or the one being
// saved (before the first save it may also be missing), and a larger older backup must still
// exist as backup or rescue copy.

#include "FileTestEnvironment.h"
#include "datafile/DataFileNames.h"
#include "datafile/SaveSequence.h"

#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <vector>

namespace {

using EOperation = CFaultyFileSystem::EOperation;

// The files before the save that is put under faults: saved catalogues, oldest first.
struct CScenario
{
    const char* Name;
    std::vector<int> Saved; // indices into CFaultTest::m_catalogues
    // The backup is larger than the data file: the save must keep it as a rescue copy.
    bool KeepsLargerBackup = false;
    // The file system has no hard links: the backup is a copy.
    bool NoLinks = false;
};

// How a fault is injected.
enum EFault { Error, DiskFull, Crash };

struct CFault
{
    EFault Kind;
    EOperation Operation;
    int Call;
};

class CFaultTest
{
public:
    CFaultTest()
    {
        m_catalogues.push_back(MakeCatalogue("Gross", 40));
        m_catalogues.push_back(MakeCatalogue("Klein", 1));
        m_catalogues.push_back(MakeCatalogue("Neu", 3));
    }

    // Calls per operation of a save without faults.
    CFaultyFileSystem Count(const CScenario& scenario)
    {
        auto env = Prepare(scenario);
        CDataFile file;
        CSaveSequence(env->Utilities, env->Messages).WriteKostenkochData(Attempted(), file, DataPath(*env));
        return env->Files;
    }

    void Run(const CScenario& scenario, const CFault& fault)
    {
        auto env = Prepare(scenario);
        Inject(env->Files, fault);
        CDataFile file;
        const bool saved = CSaveSequence(env->Utilities, env->Messages)
                               .WriteKostenkochData(Attempted(), file, DataPath(*env));
        const bool kept = Check(*env, scenario, saved, Describe(fault));
        ++m_runs;
        m_injected += env->Files.InjectedFaults();
        m_lost += kept ? 0 : 1;
        auto& [runs, lost] = m_byKind[KindName(fault)];
        ++runs;
        lost += kept ? 0 : 1;
    }

    // One line per kind of fault: how many saves ran under it and how many lost data.
    void PrintTable(std::ostream& out) const
    {
        for (const auto& [kind, tally] : m_byKind)
            out << "[ faults   ] " << kind << ": " << tally.first << " faults, " << tally.second << " lost\n";
    }

    int Runs() const { return m_runs; }
    int Injected() const { return m_injected; }
    int Lost() const { return m_lost; }

private:
    std::unique_ptr<CFileTestEnvironment> Prepare(const CScenario& scenario)
    {
        auto env = std::make_unique<CFileTestEnvironment>();
        for (const int index : scenario.Saved) {
            CDataFile file;
            const bool saved = CSaveSequence(env->Utilities, env->Messages)
                                   .WriteKostenkochData(m_catalogues[static_cast<std::size_t>(index)].get(),
                                                        file, DataPath(*env));
            EXPECT_TRUE(saved);
        }
        env->Files.ResetCounts();
        env->Messages.Clear();
        if (scenario.NoLinks)
            env->Files.DenyLinks();
        return env;
    }

    static void Inject(CFaultyFileSystem& files, const CFault& fault)
    {
        if (fault.Kind == Crash)
            files.CrashAt(fault.Call);
        else if (fault.Kind == DiskFull)
            files.FailDiskFull(fault.Call);
        else
            files.FailCall(fault.Operation, fault.Call, EIO);
    }

    bool Check(CFileTestEnvironment& env, const CScenario& scenario, bool saved, const std::string& fault)
    {
        const CDataFileNames names(DataPath(env));
        const auto data = ReadFingerprint(names.DataFile());
        const auto backup = ReadFingerprint(names.Backup());
        const auto rescue = ReadFingerprint(names.RescueCopy(env.Clock.LocalNow()));
        const std::optional<std::string> last = State(scenario, 1);
        const std::optional<std::string> older = State(scenario, 2);
        const std::string attempted = Fingerprint(*Attempted());

        // The data file is only ever replaced by a complete file, in one step.
        const bool complete =
            data == attempted || (last ? data == last : !env.RealFiles.Exists(names.DataFile()));
        bool kept = complete && (!saved || (data == attempted && backup == last));
        // An older backup larger than the last state is never deleted.
        if (scenario.KeepsLargerBackup)
            kept = kept && (backup == older || rescue == older || data == older);
        EXPECT_TRUE(kept) << fault << " saved " << saved << ": data " << data.value_or("-") << ", backup "
                          << backup.value_or("-") << ", rescue " << rescue.value_or("-");
        return kept;
    }

    // The fingerprint of the n-th last saved catalogue of the scenario.
    std::optional<std::string> State(const CScenario& scenario, std::size_t fromEnd) const
    {
        if (scenario.Saved.size() < fromEnd)
            return std::nullopt;
        return Fingerprint(
            *m_catalogues[static_cast<std::size_t>(scenario.Saved[scenario.Saved.size() - fromEnd])]);
    }

    static std::string KindName(const CFault& fault)
    {
        return fault.Kind == Crash      ? "crash"
               : fault.Kind == DiskFull ? "disk full"
                                        : CFaultyFileSystem::Name(fault.Operation);
    }

    static std::string Describe(const CFault& fault)
    {
        const char* kind = fault.Kind == Crash      ? "crash at call "
                           : fault.Kind == DiskFull ? "disk full at write "
                                                    : "";
        return std::string(kind) +
               (fault.Kind == Error ? CFaultyFileSystem::Name(fault.Operation) + std::string(" #")
                                    : std::string()) +
               std::to_string(fault.Call);
    }

    CData* Attempted() const { return m_catalogues.back().get(); }
    static std::string DataPath(const CFileTestEnvironment& env) { return env.Path("KostenkochData.xml"); }

    std::vector<std::unique_ptr<CData>> m_catalogues;
    int m_runs = 0;
    int m_injected = 0;
    int m_lost = 0;
    std::map<std::string, std::pair<int, int>> m_byKind;
};

const CScenario kScenarios[] = {
    {"first save", {}},
    {"backup rotation", {1, 0}},
    {"rescue copy", {0, 1}, true},
    {"backup copied without links", {1, 0}, false, true},
    {"rescue copy without links", {0, 1}, true, true},
};

const EOperation kFailingOperations[] = {
    CFaultyFileSystem::OpOpen,  CFaultyFileSystem::OpWrite,  CFaultyFileSystem::OpSync,
    CFaultyFileSystem::OpClose, CFaultyFileSystem::OpRename, CFaultyFileSystem::OpRemove,
    CFaultyFileSystem::OpLink,  CFaultyFileSystem::OpCopy,   CFaultyFileSystem::OpSyncDirectory};

TEST(SaveSequenceFaults, TheDataFileAlwaysHoldsACompleteCatalogue)
{
    CFaultTest test;
    for (const CScenario& scenario : kScenarios) {
        const CFaultyFileSystem counted = test.Count(scenario);
        for (const EOperation operation : kFailingOperations) {
            for (int call = 1; call <= counted.Calls(operation); ++call)
                test.Run(scenario, {Error, operation, call});
        }
        for (int call = 1; call <= counted.Calls(CFaultyFileSystem::OpWrite); ++call)
            test.Run(scenario, {DiskFull, CFaultyFileSystem::OpWrite, call});
        for (int call = 1; call <= counted.TotalCalls(); ++call)
            test.Run(scenario, {Crash, CFaultyFileSystem::OpOpen, call});
    }
    test.PrintTable(std::cout);
    std::cout << "[ faults   ] " << test.Runs() << " saves under an injected fault (" << test.Injected()
              << " failed calls), " << test.Lost() << " lost the last saved state\n";
    testing::Test::RecordProperty("InjectedFaults", test.Injected());
    EXPECT_GT(test.Runs(), 100);
    EXPECT_EQ(test.Lost(), 0);
}

} // namespace
