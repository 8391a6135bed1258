#pragma once

#include "ChartSettings.h"
#include "WindowPlacement.h"
#include "platform/Clock.h"
#include "platform/ProfileStore.h"

#include <optional>
#include <string>

// The values the program keeps between runs in the per-user profile store: the interface
// language, the data file path, the evaluation settings and the main window's placement.
// Reading never fails: a missing or unusable value gives its default, numbers are clamped to
// their range. "Today" comes from the clock. Write functions return false when the store
// refused a value.
class CRememberedValues
{
public:
    static constexpr int kGerman = 1031;
    static constexpr int kEnglish = 1033;
    static constexpr int kRomanian = 1048;

    CRememberedValues(CProfileStore& store, const CClock& clock);

    // The language id (kGerman, kEnglish, kRomanian) named by `Language`, compared exactly.
    // Any other or a missing value gives German and is corrected in the store.
    int ReadLanguage();
    bool WriteLanguage(int languageId);

    // The stored data file path as it is, empty when missing; the caller checks the file.
    std::string ReadDataPath() const;
    bool WriteDataPath(const std::string& path);

    CChartSettings ReadChart() const;
    bool WriteChart(const CChartSettings& chart);
    // Default range: from the same day one year before today (00:00:00) to today (23:59:59).
    // On 29 February the start falls on 28 February of the year before.
    CDateTime DefaultStart() const;
    CDateTime DefaultEnd() const;

    // Nothing when `WindowPos` is missing or incomplete; the window then keeps its own.
    std::optional<CWindowPlacement> ReadWindowPlacement() const;
    // The flags are written as kRestoreToMaximized when the window is maximised, else 0.
    bool WriteWindowPlacement(CWindowPlacement placement, bool maximised);

private:
    int ReadClamped(const char* entry, int defaultValue, int minimum, int maximum) const;
    bool WriteInt(const char* entry, int value);
    CDateTime ReadDate(const char* entry, int hour, int minute, int second, const CDateTime& fallback) const;
    bool WriteDate(const char* entry, const CDateTime& date);

    CProfileStore& m_store;
    const CClock& m_clock;
};
