// Every web and mail address the system hands to the desktop, in one place.
#pragma once

namespace morvane::Links {

inline constexpr const char* HomePage = "https://www.morvane-programme.de";
inline constexpr const char* HomePageSlash = "https://www.morvane-programme.de/";
inline constexpr const char* Download = "https://www.morvane-programme.de/download.html";
inline constexpr const char* DownloadFile =
    "https://www.morvane-programme.de/download/morvane-kleine-programme.zip";
inline constexpr const char* Mail = "mailto:institut@morvane-programme.de";
inline constexpr const char* WastewaterCosts =
    "https://www.morvane-programme.de/abwasserkosten.html";
inline constexpr const char* CourtRuling =
    "https://www.morvane-programme.de/urteil-ueberbemessung.pdf";
// Where users report faults (named by the program's help text and its desktop metadata).
inline constexpr const char* BugReport = "https://www.morvane-programme.de/fehler-melden.html";
inline constexpr const char* Humour = "https://www.der-postillon.com/";

}  // namespace morvane::Links
