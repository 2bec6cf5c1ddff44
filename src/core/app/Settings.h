#pragma once
// Numbers of the settings kept by CSettingsStore. Ids 0..199 are the words of the
// per-user "Properties" block; 201..203 are global; 204..208 are texts and fonts.

namespace Setting {

inline constexpr int SaveDesktop = 0;
inline constexpr int OpenStartupFolder = 1;
inline constexpr int OwnBackground = 2;
inline constexpr int BackgroundColor = 3;
inline constexpr int GradientFill = 4;
inline constexpr int GradientStyle = 5;
inline constexpr int ConfirmOperations = 6;
inline constexpr int ViewMode = 7;
inline constexpr int Arrangement = 8;
inline constexpr int AutoArrange = 9;
inline constexpr int ShowSplash = 10;
inline constexpr int ShowTips = 11;
inline constexpr int LastTip = 12;
inline constexpr int ExplorerMode = 13;
inline constexpr int RecentFileCount = 15;
inline constexpr int UseWallpaper = 16;
inline constexpr int WallpaperDisplay = 17;
inline constexpr int ShowAddressBar = 18;
inline constexpr int ShowPersonalTab = 19;
inline constexpr int ShowBookmarksTab = 20;
inline constexpr int ShowFavoritesPage = 21;
inline constexpr int PreviewMode = 22;
inline constexpr int FullPathInTitle = 23;
inline constexpr int ShowHiddenFiles = 24;
inline constexpr int DifferentiateFolders = 25;
inline constexpr int RegularFolderColor = 26;
inline constexpr int PersonalFolderColor = 27;
inline constexpr int ExplorerBarWidth = 28;
inline constexpr int ExplorerBarHeight = 29;
inline constexpr int TabsAtBottom = 30;
inline constexpr int MenuBitmaps = 31;
inline constexpr int TaskbarVisible = 32;
inline constexpr int FrameCommandChecked = 33;
inline constexpr int TaskbarBeforeExplorerMode = 34;
inline constexpr int LargeBarIcons = 35;
inline constexpr int BrowseInSameWindow = 36;
inline constexpr int ToolbarTextLabels = 37;
inline constexpr int SingleClickFiles = 38;
inline constexpr int DetailsGrid = 39;
inline constexpr int FullRowSelect = 40;
inline constexpr int UnderlineTitles = 41;
inline constexpr int AutoSelectTreeNode = 42;
inline constexpr int ControlPanelFavorites = 43;
inline constexpr int WindowsFindDialog = 44;
inline constexpr int ExploreWithShell = 45;
inline constexpr int OpenWithShell = 46;
inline constexpr int SingleClickBar = 47;
inline constexpr int OpenWithInMenus = 48;
inline constexpr int TreeFontColor = 49;
inline constexpr int FolderFontColor = 50;
inline constexpr int OldFontColor = 51;
inline constexpr int MinimizeToTray = 52;
// Details columns shown: Ext, Size, Type, Modified, Time, Attr.
inline constexpr int ShowColumnFirst = 53;
inline constexpr int ShowColumnLast = 58;
// Details column widths in column order: Name .. Attr.
inline constexpr int ColumnWidthFirst = 59;
inline constexpr int ColumnWidthLast = 66;
inline constexpr int ArrangeMode = 67;
inline constexpr int FlatScrollBars = 68;
inline constexpr int MaxWindows = 69;
inline constexpr int ToolSeparatorEvery = 70;
inline constexpr int FavoriteSeparatorEvery = 71;
inline constexpr int RefreshOnAttributeChange = 72;
inline constexpr int RefreshOnTimeChange = 73;
inline constexpr int IdleWhenMinimized = 74;
inline constexpr int ReleaseMemoryWhenMinimized = 75;
inline constexpr int FastFind = 76;
inline constexpr int FolderListRefreshMinutes = 77;
inline constexpr int IdleWhenInactive = 78;
inline constexpr int TextInTabs = 79;
inline constexpr int QuickFindPlace = 80;
inline constexpr int ShowOnlyFiles = 81;

inline constexpr int BlockCount = 200;  // words in the "Properties" block

// Global values, the same for every user.
inline constexpr int PromptForUser = 201;
inline constexpr int DefaultUser = 202;
inline constexpr int LastSelectedUser = 203;

// Texts.
inline constexpr int StartupFolder = 204;
inline constexpr int Wallpaper = 205;

// Fonts.
inline constexpr int TreeFont = 206;
inline constexpr int FolderFont = 207;
inline constexpr int OldFont = 208;

}  // namespace Setting

// The list sections of a profile, opened with CSettingsStore::SectionKey.
namespace SectionId {

inline constexpr int Desktop = 0;
inline constexpr int Criteria = 1;
inline constexpr int Users = 2;
inline constexpr int Rules = 3;
inline constexpr int Tools = 4;
inline constexpr int Reports = 5;
inline constexpr int Favorites = 6;
inline constexpr int Runs = 7;
inline constexpr int PersonalFolders = 8;
inline constexpr int FindTypes = 9;
inline constexpr int Toolbars = 10;
inline constexpr int Count = 11;
inline constexpr int None = -1;  // lists that are never stored

}  // namespace SectionId
