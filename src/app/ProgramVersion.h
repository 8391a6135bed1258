#pragma once

// The program's version as the log and the about box show it.
namespace ProgramVersion {

// Written to the log at every start.
inline constexpr const char* kLogLine = "Kostenkoch Version 4.0, 19.05.2009, Build 00162";

inline constexpr const char* kAboutName = "Kostenkoch Version 4.2";
inline constexpr const char* kAboutDate = "Erstellungsdatum 19.05.2009";
inline constexpr const char* kAboutBuild = "Build 00162";

inline constexpr const char* kHomepage = "https://www.kostenkoch.de";
inline constexpr const char* kMailAddress = "info@kostenkoch.de";

} // namespace ProgramVersion
