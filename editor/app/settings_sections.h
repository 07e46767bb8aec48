// The sections of the editor's profile.
#pragma once

inline constexpr char kSectionOptions[] = "Options";
inline constexpr char kSectionFilelist[] = "Filelist";
inline constexpr char kSectionWindow[] = "Window";
inline constexpr char kSectionSettings[] = "Settings";
inline constexpr char kSectionDesktop[] = "Desktop";
inline constexpr char kSectionPrinting[] = "Printing";
inline constexpr char kSectionColors[] = "Colors";
inline constexpr char kSectionSearch[] = "Search";
inline constexpr char kSectionExtensions[] = "Extensions";
inline constexpr char kSectionTools[] = "Tools";
inline constexpr char kSectionHelp[] = "Help";
inline constexpr char kSectionOutliner[] = "Outliner";
inline constexpr char kSectionTips[] = "Tips";
// In the system profile, not the editor's.
inline constexpr char kSectionMail[] = "Mail";
