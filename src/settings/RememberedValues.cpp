#include "RememberedValues.h"

#include "TextScanner.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

const std::string kAppSection;
const std::string kChartSection = "Chart";
const std::string kWindowSection = "MainWindow";

// The text a date that cannot be formatted is written as; it reads back as the default.
const std::string kInvalidDateText = "Invalid DateTime";

const std::array<std::pair<int, const char*>, 3> kLanguageNames = {{
    {CRememberedValues::kGerman, "German (Germany)"},
    {CRememberedValues::kEnglish, "English (U.S.)"},
    {CRememberedValues::kRomanian, "Romanian"},
}};

const char* LanguageName(int languageId)
{
    for (const auto& [id, name] : kLanguageNames) {
        if (id == languageId)
            return name;
    }
    return nullptr;
}

} // namespace

CRememberedValues::CRememberedValues(CProfileStore& store, const CClock& clock)
    : m_store(store), m_clock(clock)
{}

int CRememberedValues::ReadLanguage()
{
    const std::optional<std::string> value = m_store.GetString(kAppSection, "Language");
    for (const auto& [id, name] : kLanguageNames) {
        if (value && *value == name)
            return id;
    }
    WriteLanguage(kGerman);
    return kGerman;
}

bool CRememberedValues::WriteLanguage(int languageId)
{
    const char* name = LanguageName(languageId);
    return name != nullptr && m_store.WriteString(kAppSection, "Language", name);
}

std::string CRememberedValues::ReadDataPath() const
{
    return m_store.GetString(kAppSection, "DataPath").value_or(std::string());
}

bool CRememberedValues::WriteDataPath(const std::string& path)
{
    return m_store.WriteString(kAppSection, "DataPath", path);
}

CChartSettings CRememberedValues::ReadChart() const
{
    CChartSettings chart;
    chart.ShowActive = static_cast<EChartDisplay>(ReadClamped("ShowActive", 0, 0, 1));
    chart.ChartActive = static_cast<EMeasure>(ReadClamped("ChartActive", 3, 0, kNbMeasures - 1));
    chart.ChartPerMonth = ReadClamped("ChartPerMonth", 1, 0, 1) != 0;
    chart.ChartOriginal = ReadClamped("ChartOriginal", 1, 0, 1) != 0;
    chart.Start = ReadDate("Start", 0, 0, 0, DefaultStart());
    chart.End = ReadDate("End", 23, 59, 59, DefaultEnd());
    return chart;
}

bool CRememberedValues::WriteChart(const CChartSettings& chart)
{
    bool written = WriteInt("ShowActive", static_cast<int>(chart.ShowActive));
    written &= WriteInt("ChartActive", static_cast<int>(chart.ChartActive));
    written &= WriteInt("ChartPerMonth", chart.ChartPerMonth ? 1 : 0);
    written &= WriteInt("ChartOriginal", chart.ChartOriginal ? 1 : 0);
    written &= WriteDate("Start", chart.Start);
    written &= WriteDate("End", chart.End);
    return written;
}

CDateTime CRememberedValues::DefaultStart() const
{
    return CChartSettings::DefaultStart(m_clock.LocalNow());
}

CDateTime CRememberedValues::DefaultEnd() const
{
    return CChartSettings::DefaultEnd(m_clock.LocalNow());
}

std::optional<CWindowPlacement> CRememberedValues::ReadWindowPlacement() const
{
    const std::optional<std::string> text = m_store.GetString(kWindowSection, "WindowPos");
    return text ? CWindowPlacement::FromText(*text) : std::nullopt;
}

bool CRememberedValues::WriteWindowPlacement(CWindowPlacement placement, bool maximised)
{
    placement.Flags = maximised ? CWindowPlacement::kRestoreToMaximized : 0;
    return m_store.WriteString(kWindowSection, "WindowPos", placement.ToText());
}

int CRememberedValues::ReadClamped(const char* entry, int defaultValue, int minimum, int maximum) const
{
    const std::optional<std::string> text = m_store.GetString(kChartSection, entry);
    const int value = text ? CTextScanner::ToInt(*text) : defaultValue;
    return std::clamp(value, minimum, maximum);
}

bool CRememberedValues::WriteInt(const char* entry, int value)
{
    return m_store.WriteString(kChartSection, entry, std::to_string(value));
}

// "%d,%d,%d" as year, month, day; used only when all three are read and form a valid date.
CDateTime CRememberedValues::ReadDate(const char* entry, int hour, int minute, int second,
                                      const CDateTime& fallback) const
{
    const std::optional<std::string> text = m_store.GetString(kChartSection, entry);
    if (!text)
        return fallback;
    int year = 0, month = 0, day = 0;
    CTextScanner scanner(*text);
    if (!scanner.ReadInt(year) || !scanner.Expect(',') || !scanner.ReadInt(month) || !scanner.Expect(',') ||
        !scanner.ReadInt(day))
        return fallback;
    const CDateTime date(year, month, day, hour, minute, second);
    return date.IsValid() ? date : fallback;
}

bool CRememberedValues::WriteDate(const char* entry, const CDateTime& date)
{
    if (!date.IsValid())
        return m_store.WriteString(kChartSection, entry, kInvalidDateText);
    char text[32];
    std::snprintf(text, sizeof text, "%04d,%02d,%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return m_store.WriteString(kChartSection, entry, text);
}
