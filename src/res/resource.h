/* Resource numbers of Trailmark.
 *
 * Plain C preprocessor only: this file is read by windres for trailmark.rc and
 * included by the C++ sources. Saved toolbar layouts and the menu code rely
 * on these numbers: never renumber one that is in use.
 * Some numbers are shared by resources of different kinds (a menu and a
 * bitmap, a button and a tree control); each such case is commented.
 */
#ifndef TRAILMARK_RESOURCE_H
#define TRAILMARK_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

/* Custom resource type holding a toolbar's button layout:
 * WORD version (1), WORD width, WORD height, WORD count, WORD ids[count]
 * where id 0 is a separator. */
#define RT_TOOLBAR_LAYOUT               241

/* ------------------------------------------------------------------------
 * Main frame: menu bar, accelerators, program icon, main toolbar and its
 * bitmap, and the title string all use 90.
 * ------------------------------------------------------------------------ */
#define IDR_MAINFRAME                   90

/* ------------------------------------------------------------------------
 * Menus and context menus
 * ------------------------------------------------------------------------ */
#define IDR_BOOKMARKS_ROOT_MENU         229     /* root of the Bookmarks page */
#define IDR_PERSONAL_ROOT_MENU          231     /* "Personal" root of the Personal page */
#define IDR_PERSONAL_NEW_MENU           232     /* its "New Folder" item */
#define IDR_PERSONAL_FOLDERS_MENU       233     /* its "Folders" item */
#define IDR_PERSONAL_FOLDER_MENU        234     /* one personal folder */
#define IDR_VIEWS_MENU                  315     /* drop-down of the Views button */
#define IDR_SORT_MENU                   316     /* drop-down of the Sort button */
#define IDR_FRAME_CONTEXT_MENU          320     /* document area background; shares 320 with a menu image strip */
#define IDR_WINDOW_MENU                 321     /* "&Window" popup, removed in Explorer mode; shares 321 with the Explorer toolbar */
#define IDR_BARS_CONTEXT_MENU           323     /* toolbar list on the bars; shares 323 with the Windows toolbar */
#define IDR_TOOLBAR_CONTEXT_MENU        324     /* align, float, hide one toolbar */
#define IDR_STATUSBAR_CONTEXT_MENU      325
#define IDR_TASKBAR_BUTTON_MENU         326     /* system commands of a window taskbar button */
#define IDR_EXPLORER_BAR_MENU           327
#define IDR_BOOKMARK_ITEM_MENU          328
#define IDR_DROP_MENU                   409     /* after a drag with the right button */
#define IDR_VIEW_BACKGROUND_MENU        329     /* background of a folder's file list */

/* ------------------------------------------------------------------------
 * Toolbars and image strips (bitmap plus RT_TOOLBAR_LAYOUT of the same
 * number); the main toolbar is IDR_MAINFRAME
 * ------------------------------------------------------------------------ */
#define IDR_TOOLBAR_TOOLS               288
#define IDR_MENU_IMAGES_FILE            320     /* images for file menu items; shares 320 with the frame context menu */
#define IDR_TOOLBAR_EXPLORER            321     /* shares 321 with the Window menu */
#define IDR_TOOLBAR_EDIT                322
#define IDR_TOOLBAR_WINDOWS             323     /* shares 323 with the toolbar list menu */
#define IDR_TOOLBAR_PERSONAL            331
#define IDR_MENU_IMAGES_DISK            402     /* images for disk and system menu items */
#define IDR_MENU_IMAGES_VIEW            440     /* images for view and help menu items */

/* ------------------------------------------------------------------------
 * Bitmaps
 * ------------------------------------------------------------------------ */
#define IDB_SPLASH                      242
#define IDB_ITEM_ENABLED                274     /* mark of an enabled entry in a manager list */
#define IDB_ITEM_DISABLED               290     /* mark of a disabled entry */
#define IDB_INTERNET                    357     /* menu image of a tool that is an internet address */
#define IDB_MOVE_UP                     387
#define IDB_MOVE_DOWN                   388
#define IDB_DRIVES                      449     /* drive images, teal is transparent */

/* ------------------------------------------------------------------------
 * Icons
 * ------------------------------------------------------------------------ */
#define IDI_REPORT_WINDOW               273     /* window taskbar image 2 */
#define IDI_SEARCH_WINDOW               286     /* window taskbar image 1 */
#define IDI_PERSONAL_WINDOW             295     /* window taskbar image 0 */
#define IDI_PERSONAL_WINDOW_ALT         300     /* window taskbar image 3 */
#define IDI_RULE_WINDOW                 307     /* window taskbar image 4 */
#define IDI_LINK_OVERLAY_SMALL          353
#define IDI_LINK_OVERLAY_LARGE          355
#define IDI_UP_SMALL                    371     /* image of the "up" row */
#define IDI_UP_LARGE                    373
#define IDI_SHARE_OVERLAY               419
#define IDI_STOP                        470     /* Stop button of a query window */

/* ------------------------------------------------------------------------
 * Cursors: the frame's drag cursors, for a drag of one item and of several
 * ------------------------------------------------------------------------ */
#define IDC_DRAG_COPY                   490
#define IDC_DRAG_MOVE                   491
#define IDC_DRAG_LINK                   492
#define IDC_DRAG_COPY_MANY              493
#define IDC_DRAG_MOVE_MANY              494
#define IDC_DRAG_LINK_MANY              495

/* ------------------------------------------------------------------------
 * Dialogs
 * ------------------------------------------------------------------------ */
#define IDD_OPTIONS_VIEW                100
#define IDD_OPTIONS_GENERAL             101
#define IDD_OPTIONS_FOLDER              103
#define IDD_OPTIONS_SYSTEM              104
#define IDD_USER_PROPERTIES             116
#define IDD_WINDOW_TASKBAR              160     /* empty dialog bar */
#define IDD_USER_MANAGER                163
#define IDD_TOOLS_MANAGER               165
#define IDD_FAVORITES_MANAGER           167
#define IDD_RUN                         168
#define IDD_CHOOSE_USER                 169
#define IDD_BOOKMARKS_LIST              171
#define IDD_LOGON                       174
#define IDD_ADD_TOOL                    175
#define IDD_ADD_FAVORITE                177
#define IDD_TIP_OF_THE_DAY              178
#define IDD_OPEN_FOLDER                 180     /* also the drop-target chooser */
#define IDD_RENAME_FOLDER               181     /* "Rename Folder": the new name of the shown folder */
#define IDD_NEW_FOLDER                  184     /* "Create New Folder" / "Open New Folder" */
#define IDD_RENAME_EXTENSIONS           185
#define IDD_ABOUTBOX                    190
#define IDD_CHOOSE_VIEW_MODE            191
#define IDD_WINDOWS_LIST                192
#define IDD_CHOOSE_DRIVE                347
#define IDD_SPLASH                      423
#define IDD_OPTIONS_PERFORMANCE         424
/* Pages of the criteria sheet */
#define IDD_CRITERIA_FILE_TYPES         140
#define IDD_CRITERIA_NAMED_TYPES        141     /* the File Types page with "&Name:" */
#define IDD_CRITERIA_FOLDER_TYPES       142
#define IDD_CRITERIA_FILTER_TYPES       143     /* the File Types page with "Always Add Fo&lders" */
#define IDD_CRITERIA_SIZE               144
#define IDD_CRITERIA_DATE               145
#define IDD_CRITERIA_ATTRIBUTES         146

/* ------------------------------------------------------------------------
 * Controls
 * ------------------------------------------------------------------------ */
#define IDC_STOP                        187     /* Stop button of a query window, sent as a command */
#define IDC_FILES_LIST                  200     /* list control of a files view */
#define IDC_WINDOW_TABS                 200     /* tab control of the window taskbar; other parent */
#define IDC_MGR_EDIT                    1000
#define IDC_MGR_DELETE                  1001
#define IDC_PAGE_TREE                   1001    /* tree of an explorer bar page; other parent than IDC_MGR_DELETE */
#define IDC_MGR_DISABLE                 1002
#define IDC_MGR_ENABLE                  1003
#define IDC_MGR_ADD                     1004
#define IDC_BROWSE_COMMAND              1008
#define IDC_BROWSE_DIRECTORY            1009
#define IDC_TIP_WHAT_IS                 1016
#define IDC_TIP_HELP                    1017
#define IDC_TIP_NEXT                    1018
#define IDC_TIP_PREVIOUS                1019
#define IDC_PASSWORD                    1107
#define IDC_COMMAND                     1110
#define IDC_INITIAL_DIR                 1111
#define IDC_ARGUMENTS                   1112
#define IDC_NAME                        1113    /* user, tool or favorite name */
#define IDC_NEW_PASSWORD                1115
#define IDC_RETYPE_PASSWORD             1116
#define IDC_OLD_PASSWORD                1117
#define IDC_TIP_WEB_LINK                1147
#define IDC_MOVE_UP                     1167
#define IDC_MOVE_DOWN                   1168
#define IDC_ADD_APPLETS                 1173
#define IDC_TIP_HEADING                 1205
#define IDC_TIP_TEXT                    1206
#define IDC_TIP_PANEL                   1207    /* yellow panel behind the tip (painted, no control) */
#define IDC_TIP_PICTURE                 1208
#define IDC_VIEW_MODE_EXPLORER          1700    /* Choose View Mode: one folder at a time */
#define IDC_VIEW_MODE_WINDOWS           1701    /* Choose View Mode: several windows */
#define IDC_WINDOWS_LIST                1710    /* Windows List: the open windows */
#define IDC_WINDOWS_CLOSE               1711
#define IDC_WINDOWS_CLOSE_ALL           1712
#define IDC_WINDOWS_SWITCH_TO           1713
#define IDC_WINDOWS_TILE_HORZ           1714
#define IDC_WINDOWS_TILE_VERT           1715
#define IDC_BOOKMARKS_LINES             1720    /* Bookmarks List: the bookmarks */
#define IDC_BOOKMARKS_SWITCH_TO         1721
#define IDC_BOOKMARKS_REMOVE            1722
#define IDC_SPLASH_PICTURE              1250
#define IDC_ABOUT_VERSION               1251
#define IDC_USER_LIST                   1360
#define IDC_RUN_COMMAND                 1364
#define IDC_ADMIN                       1412
#define IDC_USE_PASSWORD                1414
#define IDC_ADD_TO_TOOLS                1417
#define IDC_TIP_AT_STARTUP              1420
#define IDC_PROMPT_ARGUMENTS            1421
#define IDC_OPEN_INSIDE                 1426    /* "&Open using Trailmark" */
#define IDC_MGR_LIST                    1522
#define IDC_OPEN_FOLDER_TABS            1561
/* Criteria sheet pages */
#define IDC_CRITERIA_NAME               1600
#define IDC_CRITERIA_PATTERNS           1601
#define IDC_CRITERIA_LOOK_IN            1602
#define IDC_CRITERIA_SUBFOLDERS         1603
#define IDC_CRITERIA_BROWSE             1604
#define IDC_CRITERIA_ALWAYS_FOLDERS     1605
#define IDC_SIZE_ALL                    1610
#define IDC_SIZE_EQUAL                  1611
#define IDC_SIZE_GREATER                1612
#define IDC_SIZE_SMALLER                1613
#define IDC_SIZE_BETWEEN                1614
#define IDC_SIZE_EQUAL_VALUE            1615
#define IDC_SIZE_EQUAL_SPIN             1616
#define IDC_SIZE_EQUAL_UNIT             1617
#define IDC_SIZE_GREATER_VALUE          1618
#define IDC_SIZE_GREATER_SPIN           1619
#define IDC_SIZE_GREATER_UNIT           1620
#define IDC_SIZE_SMALLER_VALUE          1621
#define IDC_SIZE_SMALLER_SPIN           1622
#define IDC_SIZE_SMALLER_UNIT           1623
#define IDC_SIZE_BETWEEN_LOW            1624
#define IDC_SIZE_BETWEEN_LOW_SPIN       1625
#define IDC_SIZE_BETWEEN_HIGH           1626
#define IDC_SIZE_BETWEEN_HIGH_SPIN      1627
#define IDC_SIZE_BETWEEN_UNIT           1628
#define IDC_DATE_ALL                    1630
#define IDC_DATE_FIND                   1631
#define IDC_DATE_WHICH                  1632
#define IDC_DATE_BETWEEN                1633
#define IDC_DATE_LOW                    1634
#define IDC_DATE_HIGH                   1635
#define IDC_DATE_MONTHS_CHOICE          1636
#define IDC_DATE_MONTHS                 1637
#define IDC_DATE_MONTHS_SPIN            1638
#define IDC_DATE_DAYS_CHOICE            1639
#define IDC_DATE_DAYS                   1640
#define IDC_DATE_DAYS_SPIN              1641
#define IDC_ATTR_ALL                    1650
#define IDC_ATTR_TYPED                  1651
#define IDC_ATTR_READ_ONLY              1652
#define IDC_ATTR_ARCHIVE                1653
#define IDC_ATTR_SYSTEM                 1654
#define IDC_ATTR_HIDDEN                 1655
#define IDC_ATTR_DIRECTORY              1656
 /* New Folder and Rename Extensions dialogs */
#define IDC_FOLDER_NAME                 1730
#define IDC_ROOT_NAME                   1731
#define IDC_EXTENSION                   1732
#define IDC_QUICK_FIND_BOX              33232   /* combo box over the main toolbar's button of that number */

/* Notification area icon; not a resource */
#define ID_TRAY_ICON                    1000

/* ------------------------------------------------------------------------
 * Control bars
 * ------------------------------------------------------------------------ */
#define IDW_DRIVES_BAR                  188
#define IDW_WINDOW_TASKBAR              32840   /* same number as its toggle command */
#define AFX_IDW_TOOLBAR                 59392   /* main toolbar; same number as its toggle command */
#define AFX_IDW_STATUS_BAR              59393
#define IDW_TOOLBAR_EDIT                59412
#define IDW_TOOLBAR_EXPLORER            59413
#define IDW_TOOLBAR_WINDOWS             59414
#define IDW_TOOLBAR_TOOLS               59415
#define IDW_TOOLBAR_PERSONAL            59416
#define IDW_EXPLORER_BAR                59424

/* ------------------------------------------------------------------------
 * Strings
 * ------------------------------------------------------------------------ */
#define IDS_APP_TITLE                   90      /* same number as IDR_MAINFRAME */
#define IDS_ERASE_DISK_TITLE            95
#define IDS_ERASE_DISK_PROMPT           96
#define IDS_LABEL_DISK_TITLE            97
#define IDS_SELECT_TARGET               108
#define IDS_SET_FILES_VIEW_FONT         109
#define IDS_SET_TREE_VIEW_FONT          110
#define IDS_ZERO_SIZED_RULE_NAME        126
#define IDS_COMCTL_TOO_OLD              128
#define IDS_COMCTL_UPDATER_MISSING      129
#define IDS_TRY_RUNNING_ANYWAY          130
#define IDS_DISKETTE_ERASED             136
#define IDS_CONFIRM_ERASE_DISK          137     /* followed by the drive and "?" */
#define IDS_FIND_COMPUTER_VERB          139     /* entry looked up in the network's shell menu */
#define IDS_INVALID_PASSWORD            255
#define IDS_ENTER_NEW_PASSWORD          256
#define IDS_CREATE_NEW_USER             261
#define IDS_UNABLE_TO_CONTINUE          262
#define IDS_CONFIRM_DELETE_USER         263     /* followed by the name and "?" */
#define IDS_REMOVE_USER_FILES           264
#define IDS_NAME_EXISTS                 265
#define IDS_INITIAL_DIR_INVALID         266
#define IDS_PATH_INVALID                267
#define IDS_RUN_FAILED                  268
#define IDS_FAVORITE_OPEN_FAILED        272
#define IDS_WALLPAPER_MISSING           275
#define IDS_ADD_USER_PROFILE            5003
#define IDS_EDIT_USER_PROFILE           5006
#define IDS_LABEL_DISK_PROMPT           5011
#define IDS_FORMAT_DISK_TITLE           5012
#define IDS_FORMAT_DISK_PROMPT          5013
#define IDS_DEFAULT_USER                6171
#define IDS_USER_PROFILE_ITEM           6172    /* replaces "U&ser Manager..." for users without Admin */
#define IDS_STARTUP_FOLDER              6174
#define IDS_ADD_TOOL_ITEM               6175
#define IDS_TOOLS_MANAGER_ITEM          6176
#define IDS_EDIT_TOOL                   6177
#define IDS_DID_YOU_KNOW                6178
#define IDS_TIP_FILE_MISSING            6179
#define IDS_ADD_FAVORITE_ITEM           6194
#define IDS_FAVORITES_MANAGER_ITEM      6195
#define IDS_EDIT_FAVORITE               6196
/* Program strings that sit in the framework's 0xF000 block */
#define IDS_FOLDER_INVALID              61448
#define IDS_CHOOSE_FOLDER               61452
#define IDS_USER_BASE_NAME              61497
#define IDS_IMAGE_TOO_SMALL             61528
#define IDS_ADD_NEW_MODEM               61568
#define IDS_ADD_NEW_MONITOR             61569
#define IDS_ADD_NEW_PRINTER             61570

/* Messages, titles and texts shown by the program */
#define IDS_BROWSER_NOT_FOUND           8000
#define IDS_BROWSER_FAILED              8001
#define IDS_TOO_MANY_WINDOWS            8002
#define IDS_TASKBAR_HIDDEN              8003
#define IDS_CANCEL_EXPLORER_MODE        8004
#define IDS_TRAY_TIP                    8005
#define IDS_CANCEL_AUTO_MAXIMIZE        8006
#define IDS_OPEN_WINDOW_FAILED          8007    /* followed by the path */
#define IDS_OPEN_FOLDER_FAILED          8008    /* followed by 'path' and IDS_OPEN_FOLDER_FAILED_END */
#define IDS_OPEN_FOLDER_FAILED_END      8009
#define IDS_LOADING_FOLDER              8010
#define IDS_OBJECTS                     8011
#define IDS_SELECTED                    8012
#define IDS_DISK_FREE_SPACE             8013    /* followed by the free space and ")" */
#define IDS_FILTERED_SUFFIX             8014
#define IDS_SEARCH_TIME                 8015
#define IDS_SEARCHING                   8016
#define IDS_BOOKMARK                    8017
#define IDS_EXPLORER_BAR_TITLE          8018
#define IDS_TAB_DESKTOP                 8019
#define IDS_TAB_PERSONAL                8020
#define IDS_TAB_FAVORITES               8021
#define IDS_TAB_BOOKMARKS               8022
#define IDS_TOOLBAR_MAIN                8023
#define IDS_TOOLBAR_EDIT                8024
#define IDS_TOOLBAR_EXPLORER            8025
#define IDS_TOOLBAR_WINDOWS             8026
#define IDS_TOOLBAR_TOOLS               8027
#define IDS_TOOLBAR_PERSONAL            8028
#define IDS_TOOLBAR_DRIVES              8029
#define IDS_HIDE                        8030
#define IDS_PERSONAL_ROOT               8031
#define IDS_PERSONAL_NEW_FOLDER         8032
#define IDS_PERSONAL_FOLDERS            8033
#define IDS_PERSONAL_NAME_FORMAT        8034
#define IDS_BOOKMARKS_ROOT              8035
#define IDS_CONFIRM_REMOVE_PERSONAL     8036    /* followed by the name and IDS_CONFIRM_REMOVE_PERSONAL_END */
#define IDS_CONFIRM_REMOVE_PERSONAL_END 8037
#define IDS_CONFIRM_REMOVE_ALL_PERSONAL 8038
#define IDS_PERSONAL_RENAME_EXISTS      8039
#define IDS_COPY_TITLE                  8040    /* "Copy " + name + " " + "to" */
#define IDS_MOVE_TITLE                  8041
#define IDS_TITLE_TO                    8042
#define IDS_COPY_FROM_TITLE             8043
#define IDS_MOVE_FROM_TITLE             8044
#define IDS_LOCAL_HARD_DRIVES           8045
#define IDS_FOLDER_ACCESS_FAILED        8046
#define IDS_TOO_MANY_RESULTS            8047
#define IDS_ADDING_RESULTS              8048
#define IDS_NEW_SEARCH                  8049
#define IDS_PROPERTIES                  8050
#define IDS_LIST_FULL                   8051
#define IDS_ENTER_REPORT_NAME           8052
#define IDS_OPERATION_RUNNING           8053
#define IDS_FIND                        8054
#define IDS_FIND_FOLDER                 8055
#define IDS_CRITERIA_BIG_FILES          8056
#define IDS_CRITERIA_TEXT_FILES         8057
#define IDS_CRITERIA_BITMAPS            8058
#define IDS_CRITERIA_EXECUTABLES        8059
#define IDS_CRITERIA_ZERO_SIZED         8060
#define IDS_AND                         8061
#define IDS_REPORT_SUFFIX               8062    /* " Report": default name base and window title */
#define IDS_RULE_SUFFIX                 8063
#define IDS_RULE_ALWAYS                 8064
#define IDS_RULE_FIND_TYPES             8065
#define IDS_RULE_LINE                   8066
#define IDS_RULE_COPY_TO                8067
#define IDS_RULE_MOVE_TO                8068
#define IDS_RULE_DELETE                 8069
#define IDS_RULE_DO_NOTHING             8070
#define IDS_RULE_NO_ACTION              8071
#define IDS_CONFIRM_COPY_TO             8072    /* followed by the folder and "?" */
#define IDS_CONFIRM_MOVE_TO             8073
#define IDS_BUILDING_FILE_LIST          8074
#define IDS_FOLDERS_LEFT                8075
#define IDS_FILE                        8076
#define IDS_FILES                       8077
#define IDS_FOLDER                      8078
#define IDS_FOLDERS                     8079
#define IDS_UPDATE_IN_PROGRESS          8080
#define IDS_LOADING_FOLDER_TITLE        8081    /* followed by the folder name */
#define IDS_READING                     8082
#define IDS_FILES_LEFT                  8083
#define IDS_COMPLETED                   8084
#define IDS_UPDATING_FOLDER             8085
#define IDS_ALL_PERSONAL_OPEN           8086
#define IDS_UPDATING_ALL_FOLDERS        8087
#define IDS_FINISHED_UPDATING_ALL       8088
#define IDS_PERSONAL_FOLDERS_LEFT       8089
#define IDS_CONFIRM_ADD_TO_FOLDER       8090    /* followed by the folder name and "?" */
#define IDS_ALL_ITEMS_IN_FOLDER         8091
#define IDS_ADDING                      8092
#define IDS_CONFIRM_CLEAR_PERSONAL      8093
#define IDS_CONFIRM_REMOVE_ITEMS        8094
#define IDS_REMOVING_TITLE              8095
#define IDS_REMOVING                    8096
#define IDS_ENTER_PERSONAL_NAME         8097
#define IDS_CREATE_NEW_PERSONAL         8098
#define IDS_OPEN_NEW_PERSONAL           8099
#define IDS_ADD_PERSONAL_FOLDER         8100
#define IDS_FOLDER_NAME_EXISTS          8101
#define IDS_FOLDER_BUSY                 8102
#define IDS_ADD_CRITERIA                8103
#define IDS_EDIT_CRITERIA               8104
#define IDS_ADD_LOCAL_CRITERIA          8105
#define IDS_BETWEEN_INVALID             8106
#define IDS_DATES_REVERSED              8107
#define IDS_REPORT_NEEDS_CRITERIA       8108
#define IDS_RULE_NEEDS_CRITERIA         8109
#define IDS_DESTINATION_NOT_SET         8110
#define IDS_NEW_CRITERIA_ITEM           8111
#define IDS_UNIT_KB                     8112
#define IDS_UNIT_MB                     8113
#define IDS_DATE_MODIFIED               8114
#define IDS_DATE_CREATED                8115
#define IDS_DATE_ACCESSED               8116
#define IDS_WALLPAPER_TILE              8117
#define IDS_WALLPAPER_CENTER            8118
#define IDS_WALLPAPER_STRETCH           8119
#define IDS_COLUMN_NAME                 8120
#define IDS_COLUMN_IN_FOLDER            8121
#define IDS_COLUMN_EXT                  8122
#define IDS_COLUMN_SIZE                 8123
#define IDS_COLUMN_TYPE                 8124
#define IDS_COLUMN_MODIFIED             8125
#define IDS_COLUMN_TIME                 8126
#define IDS_COLUMN_ATTR                 8127
#define IDS_SELECT_BY_FILTER            8128
#define IDS_NO_ITEMS_SELECTED           8129
#define IDS_FILTER_FOLDER               8130
#define IDS_CANNOT_COPY_SOME            8131
#define IDS_CANNOT_MOVE_SOME            8132
#define IDS_CANNOT_DELETE_SOME          8133
#define IDS_DELETE_OPEN_FOLDER          8134
#define IDS_WARN_MOVE_FROM_PERSONAL     8135
#define IDS_WARN_DELETE_FROM_PERSONAL   8136
#define IDS_PASTED_ALL_EXIST            8137
#define IDS_DROPPED_ALL_EXIST           8138
#define IDS_CHANGE_EXTENSION            8139
#define IDS_RENAME_EXTENSIONS           8140
#define IDS_NOT_AVAILABLE               8141
#define IDS_CHANGE_EXTENSIONS           8142
#define IDS_SOME_NOT_RENAMED            8143
#define IDS_CREATE_NEW_FOLDER           8144
#define IDS_OPEN_NEW_FOLDER             8145
#define IDS_NEW_FOLDER                  8146
#define IDS_NEW_FOLDER_BASE             8147
#define IDS_FOLDER_EXISTS               8148
#define IDS_CREATE_DIRECTORY_FAILED     8149
#define IDS_RENAME_FOLDER               8150
#define IDS_CLIPBOARD_OPEN_FAILED       8151
#define IDS_CLIPBOARD_EMPTY_TEXT        8152
#define IDS_EXPLORE_ITEM                8153
#define IDS_OPEN_ORIGINAL_ITEM          8154
#define IDS_REMOVE_FROM_FOLDER_ITEM     8155
#define IDS_OPEN_WITH_VERB              8156    /* entry looked up in a shell menu */
#define IDS_OPEN_VERB                   8157    /* default entry that is started directly */
#define IDS_SIZE_BYTES_FORMAT           8158
#define IDS_SIZE_KB_FORMAT              8159
#define IDS_SIZE_MB_FORMAT              8160
#define IDS_ZERO_BYTES                  8161
#define IDS_CELL_KB_FORMAT              8162
#define IDS_BOOKMARK_TEXT_FORMAT        8163
#define IDS_SEARCH_TIME_FORMAT          8164
#define IDS_FOLDER_DATE_FORMAT          8165
#define IDS_ARRANGE_ICONS_ITEM          8166    /* items the frame adds to the Window menu */
#define IDS_WINDOWS_LIST_ITEM           8167
#define IDS_RESTORE_BOOKMARK_FORMAT     8168    /* items of the bookmark popups */
#define IDS_CREATE_BOOKMARK_FORMAT      8169
#define IDS_ADD_RULE_ITEM               8170    /* last items of the rule and report popups */
#define IDS_ADD_REPORT_ITEM             8171
#define IDS_STOP_BUTTON                 8172
#define IDS_OPEN_FOLDER_TITLE           8180    /* the Open Folder dialog's title for its own command */

/* File operations: why a request is not issued */
#define IDS_TARGET_INSIDE_SOURCE        8300    /* followed by the source */
#define IDS_SOURCE_MISSING              8301    /* followed by the source */
#define IDS_NOTHING_TO_DO               8302
#define IDS_WILDCARD_NAME               8303    /* followed by the source */
#define IDS_PATTERN_PATHS_LEFT_OUT      8304    /* followed by the paths, one a line */

/* ------------------------------------------------------------------------
 * Commands. A command's status-bar prompt is the string of the same
 * number: "prompt\nlabel", the label being the toolbar button's text.
 * ------------------------------------------------------------------------ */

/* Commands of a files view, also reached from the menus below */
#define ID_FILES_PROPERTIES             2096
#define ID_FILES_NEW_FOLDER             2097
#define ID_FILES_NEW_FOLDER_OPEN        2098
#define ID_FILES_RENAME                 2099
#define ID_FILES_FIND_TARGET            2115
#define ID_FILES_COPY_TO                2117
#define ID_FILES_DELETE                 2118    /* past the Recycle Bin */
#define ID_FILES_MOVE_TO                2120
#define ID_FILES_FILTER                 2123
#define ID_FILES_REMOVE_FILTER          2124
#define ID_FILES_SELECT_BY_FILTER       2125
#define ID_FILES_COPY                   2126
#define ID_FILES_CUT                    2127
#define ID_FILES_PASTE                  2128
#define ID_FILES_CREATE_SHORTCUT        2130
#define ID_FILES_RECYCLE                2138

/* File menu */
#define ID_FILE_FIND_TARGET             162     /* "&Open Original Folder" of result views */
#define ID_FILE_CREATE_SHORTCUT         32771
#define ID_FILE_DELETE                  32772
#define ID_FILE_RENAME                  32773
#define ID_FILE_NEW_FOLDER              32774
#define ID_FILE_PROPERTIES              32775
#define ID_FILE_OPEN_NEW_FOLDER         32776
#define ID_FILE_MOVE_TO                 32777
#define ID_FILE_COPY_TO                 32778
#define ID_FILE_RECYCLE                 32779
#define ID_FILE_OPEN_WITH               32780
#define ID_FILE_RUN                     32790
#define ID_FILE_COMMAND_PROMPT          32886
#define ID_FILE_COPY_PATH               33208
#define ID_FILE_EXPLORE                 33512   /* added to shell menus of folders */
#define ID_FILE_OPEN                    57601   /* Open Folder */
#define ID_FILE_MRU_FILE1               57616   /* first recent folder */
#define ID_FILE_MRU_LAST                57624   /* at most nine recent folders */
#define ID_APP_ABOUT                    57664
#define ID_APP_EXIT                     57665

/* Disk menu */
#define ID_DISK_EMPTY_RECYCLE_BIN       33145
#define ID_DISK_MAP_NETWORK_DRIVE       33209
#define ID_DISK_DISCONNECT_NETWORK_DRIVE 33219
#define ID_DISK_ERASE                   33517
#define ID_DISK_COPY                    33518
#define ID_DISK_LABEL                   33519
#define ID_DISK_FORMAT                  33520
#define ID_DISK_RESCUE                  33521

/* Edit menu */
#define ID_EDIT_CREATE_BOOKMARK         32800   /* becomes a popup of 32801..32809 */
#define ID_EDIT_BOOKMARKS_LIST          32820
#define ID_EDIT_SELECT_ALL              32821
#define ID_EDIT_INVERT_SELECTION        32822
#define ID_EDIT_RESTORE_BOOKMARK        32823   /* becomes a popup of 32810..32818 */
#define ID_EDIT_FIND                    32884
#define ID_EDIT_SET_FILTER              33172
#define ID_EDIT_REMOVE_FILTER           33174
#define ID_EDIT_SELECT_BY_FILTER        33176
#define ID_EDIT_QUICK_FIND              33500
#define ID_EDIT_QUICK_FIND_SETTINGS     33501
#define ID_EDIT_FIND_FOLDER             33502
#define ID_EDIT_FIND_COMPUTER           33503
#define ID_EDIT_COPY                    57634
#define ID_EDIT_CUT                     57635
#define ID_EDIT_PASTE                   57637

/* Bookmarks on the toolbar and the Bookmarks page */
#define ID_BOOKMARK_CREATE              33006   /* first free number, or a menu to replace one */
#define ID_BOOKMARKS_RESTORE            33034
#define ID_BOOKMARKS_DELETE             33035
#define ID_BOOKMARK_RESTORE             33036   /* the only one, or a menu of all */
#define ID_BOOKMARKS_CLEAR_ALL          33037

/* Search, report and rule windows */
#define ID_SEARCH_NEW                   33504
#define ID_SEARCH_PROPERTIES            33505
#define ID_SEARCH_ADD_TO_REPORTS        33506
#define ID_SEARCH_ADD_TO_PERSONAL       33507
#define ID_SEARCH_AGAIN                 33508
#define ID_REPORT_AGAIN                 33509
#define ID_RULE_EXECUTE                 33510
#define ID_RULE_UPDATE                  33511

/* View menu */
#define ID_VIEW_TASKBAR                 32840
#define ID_VIEW_PERSONAL_TAB            32848
#define ID_VIEW_BOOKMARKS_TAB           32849
#define ID_VIEW_FAVORITES_TAB           32850
#define ID_VIEW_EXPLORER                32852   /* explorer bar toggle of the toolbar and the bar's "&Hide" */
#define ID_VIEW_ADDRESS_BAR             32862
#define ID_VIEW_TOOLBAR_EDIT            32867
#define ID_VIEW_TOOLBAR_EXPLORER        32868
#define ID_VIEW_TOOLBAR_WINDOWS         32869
#define ID_VIEW_TOOLBAR_TOOLS           32870
#define ID_VIEW_TOOLBAR_PERSONAL        32871
#define ID_VIEW_LARGE_ICONS             33014
#define ID_VIEW_SMALL_ICONS             33015
#define ID_VIEW_LIST                    33016
#define ID_VIEW_DETAILS                 33017
#define ID_VIEW_ARRANGE_BYNAME          33018
#define ID_VIEW_ARRANGE_BYFOLDER        33019
#define ID_VIEW_ARRANGE_BYEXTENSION     33020
#define ID_VIEW_ARRANGE_BYSIZE          33021
#define ID_VIEW_ARRANGE_BYTYPE          33022
#define ID_VIEW_ARRANGE_BYDATE          33023
#define ID_VIEW_ARRANGE_BYTIME          33024   /* from the Time column's header only */
#define ID_VIEW_ARRANGE_BYATTRIBUTES    33025
#define ID_VIEW_TOOLTIPS                33052   /* checked state kept in setting 33 */
#define ID_VIEW_AUTO_ARRANGE            33057
#define ID_VIEW_TEXT_LABELS             33072
#define ID_VIEW_VIEWS                   33073   /* drop-down button */
#define ID_VIEW_SORT                    33084   /* drop-down button */
#define ID_VIEW_REFRESH_ALL             33143
#define ID_VIEW_REFRESH                 33144
#define ID_VIEW_RESIZE_COLUMNS          33202
#define ID_VIEW_PREVIEW_NONE            33220
#define ID_VIEW_PREVIEW_HORIZONTAL      33221
#define ID_VIEW_PREVIEW_VERTICAL        33222
#define ID_VIEW_CHOOSE_VIEW_MODE        33231
#define ID_VIEW_COLUMN_EXTENSION        33281
#define ID_VIEW_COLUMN_SIZE             33282
#define ID_VIEW_COLUMN_TYPE             33283
#define ID_VIEW_COLUMN_DATE             33284
#define ID_VIEW_COLUMN_TIME             33285
#define ID_VIEW_COLUMN_ATTRIBUTES       33286
#define ID_VIEW_EXPLORER_BAR            33330
#define ID_VIEW_TOOLBAR_DRIVES          33333
#define ID_VIEW_FONT_TREE               33514
#define ID_VIEW_FONT_FILES              33515
#define ID_VIEW_FONT_RESTORE            33516
#define ID_VIEW_TOOLBAR                 59392   /* main toolbar; same number as its bar */
#define ID_VIEW_STATUS_BAR              59393   /* same number as its bar */

/* Explorer bar */
#define ID_EXPLORER_OPTIONS             33027   /* options sheet on its System page */
#define ID_EXPLORER_ALIGN_LEFT          33029
#define ID_EXPLORER_ALIGN_RIGHT         33030
#define ID_EXPLORER_TABS_AT_TOP         33032
#define ID_EXPLORER_FLOAT               33033

/* Toolbar context menu */
#define ID_TOOLBAR_FLOAT                33008
#define ID_TOOLBAR_ALIGN_TOP            33009
#define ID_TOOLBAR_ALIGN_RIGHT          33010
#define ID_TOOLBAR_ALIGN_BOTTOM         33011
#define ID_TOOLBAR_ALIGN_LEFT           33012
#define ID_TOOLBAR_HIDE                 33345

/* Go menu and folder window navigation */
#define ID_GO_UP                        32883
#define ID_GO_BACK                      33046
#define ID_GO_FORWARD                   33047
#define ID_GO_SYNCHRONIZE               33142

/* Favorites menu */
#define ID_FAVORITES_ADD                32900
#define ID_FAVORITES_MANAGER            32901
#define ID_FAVORITES_DESKTOP            32902
#define ID_FAVORITES_CONTROL_PANEL      32903
#define ID_FAVORITES_MY_COMPUTER        32904
#define ID_FAVORITES_NETWORK            32905
#define ID_FAVORITES_STARTUP_FOLDER     32906
#define ID_FAVORITES_ADD_MODEM          33138
#define ID_FAVORITES_ADD_PRINTER        33139
#define ID_FAVORITES_ADD_MONITOR        33210

/* Personal menu and the Personal page */
#define ID_PERSONAL_OPEN                33038
#define ID_PERSONAL_DELETE              33039
#define ID_PERSONAL_RENAME              33040
#define ID_PERSONAL_PROPERTIES          33043
#define ID_PERSONAL_UPDATE_ALL          33110
#define ID_PERSONAL_NEW                 33120
#define ID_PERSONAL_NEW_OPEN            33121
#define ID_PERSONAL_UPDATE              33122   /* also the personal folder window's Update */
#define ID_PERSONAL_CLEAR               33126   /* also the personal folder window's Clear */
#define ID_PERSONAL_REMOVE_ALL          33127
#define ID_PERSONAL_REMOVE_ITEMS        33513   /* "&Remove From  Folder" */

/* Tools menu */
#define ID_TOOLS_EXECUTE_RULE           32880   /* becomes a popup of the rules */
#define ID_TOOLS_ADD_TOOL               32881
#define ID_TOOLS_TOOLS_MANAGER          32882
#define ID_TOOLS_CREATE_REPORT          32885   /* becomes a popup of the reports */
#define ID_TOOLS_RULES_MANAGER          32920
#define ID_TOOLS_USER_MANAGER           32921   /* "U&ser Profile..." for users without Admin */
#define ID_TOOLS_OPTIONS                32924
#define ID_TOOLS_CRITERIA_MANAGER       32927
#define ID_TOOLS_ADD_RULE               32928
#define ID_TOOLS_ADD_CRITERIA           32929
#define ID_TOOLS_ADD_USER               32930
#define ID_TOOLS_ADD_REPORT             32933
#define ID_TOOLS_REPORTS_MANAGER        32934
#define ID_TOOLS_ADD_REMOVE_PROGRAMS    33522

/* Window menu */
#define ID_WINDOW_MINIMIZE_ALL          32990
#define ID_WINDOW_CLOSE                 32991
#define ID_WINDOW_CLOSE_ALL             32992
#define ID_WINDOW_LIST                  32993
#define ID_WINDOW_AUTO_NONE             33393
#define ID_WINDOW_AUTO_TILE_VERT        33394
#define ID_WINDOW_AUTO_TILE_HORZ        33395
#define ID_WINDOW_AUTO_CASCADE          33396
#define ID_WINDOW_AUTO_MAXIMIZE         33397
#define ID_WINDOW_ARRANGE               57649
#define ID_WINDOW_CASCADE               57650
#define ID_WINDOW_TILE_HORZ             57651
#define ID_WINDOW_TILE_VERT             57652

/* Window taskbar button menu, sent on as system commands */
#define ID_TASKBAR_RESTORE              33000
#define ID_TASKBAR_MOVE                 33001
#define ID_TASKBAR_SIZE                 33002
#define ID_TASKBAR_MINIMIZE             33003
#define ID_TASKBAR_MAXIMIZE             33004
#define ID_TASKBAR_CLOSE                33005

/* Help menu */
#define ID_HELP_STARTUP                 33523
#define ID_HELP_MENUS                   33524
#define ID_HELP_OPTIONS                 33525
#define ID_HELP_TIP_OF_THE_DAY          33526
#define ID_HELP_REPORT_BUG              33527
#define ID_HELP_REQUEST_INFO            33528
#define ID_HELP_TECH_SUPPORT            33529
#define ID_HELP_WEB_SITE                33530
#define ID_HELP_FINDER                  57667   /* help index; removed without the help file */

/* Right-button drop menu */
#define ID_DROP_COPY                    33531
#define ID_DROP_MOVE                    33532
#define ID_DROP_LINK                    33533
#define ID_DROP_CANCEL                  33534

/* ------------------------------------------------------------------------
 * Command ranges. The shared status prompt of a range is the string of
 * its first command (bookmarks: of ID_EDIT_CREATE_BOOKMARK and
 * ID_EDIT_RESTORE_BOOKMARK).
 * ------------------------------------------------------------------------ */
#define ID_WINDOW_ACTIVATE_FIRST        3059    /* open window n */
#define ID_WINDOW_ACTIVATE_LAST         3074
#define ID_WINDOW_ACTIVATE_COUNT        16
#define ID_RULE_FIRST                   4098    /* rule n of the rules list */
#define ID_RULE_LAST                    4128
#define ID_RULE_COUNT                   31
#define ID_TOOL_FIRST                   5152    /* tool n of the Go menu */
#define ID_TOOL_LAST                    5182
#define ID_TOOL_COUNT                   31
#define ID_REPORT_FIRST                 6216    /* report n of the reports list */
#define ID_REPORT_LAST                  6246
#define ID_REPORT_COUNT                 31
#define ID_FAVORITE_FIRST               7270    /* favorite n */
#define ID_FAVORITE_LAST                7300
#define ID_FAVORITE_COUNT               31
#define ID_BOOKMARK_CREATE_FIRST        32801   /* Ctrl+1..Ctrl+9 */
#define ID_BOOKMARK_CREATE_LAST         32809
#define ID_BOOKMARK_RESTORE_FIRST       32810   /* Alt+1..Alt+9 */
#define ID_BOOKMARK_RESTORE_LAST        32818
#define ID_BOOKMARK_COUNT               9
#define ID_RUN_HISTORY_FIRST            32961   /* entry n of the Run history */
#define ID_RUN_HISTORY_LAST             32986
#define ID_RUN_HISTORY_COUNT            26
#define ID_VIEW_MODE_FIRST              ID_VIEW_LARGE_ICONS
#define ID_VIEW_MODE_LAST               ID_VIEW_DETAILS
#define ID_VIEW_ARRANGE_FIRST           ID_VIEW_ARRANGE_BYNAME
#define ID_VIEW_ARRANGE_LAST            ID_VIEW_ARRANGE_BYATTRIBUTES
#define ID_VIEW_COLUMN_FIRST            ID_VIEW_COLUMN_EXTENSION
#define ID_VIEW_COLUMN_LAST             ID_VIEW_COLUMN_ATTRIBUTES
#define ID_VIEW_PREVIEW_FIRST           ID_VIEW_PREVIEW_NONE
#define ID_VIEW_PREVIEW_LAST            ID_VIEW_PREVIEW_VERTICAL
#define ID_WINDOW_AUTO_FIRST            ID_WINDOW_AUTO_NONE
#define ID_WINDOW_AUTO_LAST             ID_WINDOW_AUTO_MAXIMIZE
#define ID_BACK_HISTORY_FIRST           33090   /* back list entry n */
#define ID_BACK_HISTORY_LAST            33098
#define ID_FORWARD_HISTORY_FIRST        33100   /* forward list entry n */
#define ID_FORWARD_HISTORY_LAST         33108
#define ID_HISTORY_COUNT                9
#define ID_DRIVE_FIRST                  33400   /* drive "a" + n */
#define ID_DRIVE_LAST                   33425
#define ID_DRIVE_COUNT                  26
#define ID_APPLET_FIRST                 60000   /* Control Panel applet n */
#define ID_APPLET_LAST                  60049
#define ID_APPLET_COUNT                 50

/* ------------------------------------------------------------------------
 * Tools, favorites, the Run dialog, the tip window, the disk commands and
 * the options sheet
 * ------------------------------------------------------------------------ */
#define IDD_TOOL_ARGUMENTS              436     /* the arguments asked for before a tool runs */
#define IDC_SEPARATOR_EVERY             1800    /* managers: "Add a &separator after every" n */
#define IDC_SEPARATOR_SPIN              1801
#define IDC_ARGS_TOOL_NAME              1802
#define IDC_ARGS_TOOL_COMMAND           1803
#define IDC_ARGS_TYPED                  1804
#define IDC_DRIVE_PROMPT                1805
#define IDC_DRIVE_LIST                  1806
/* Options: General */
#define IDC_OPT_OPEN_FOLDER             1810
#define IDC_OPT_STARTUP_FOLDER          1811
#define IDC_OPT_BROWSE_FOLDER           1812
#define IDC_OPT_PROMPT_USER             1813
#define IDC_OPT_USE_USER                1814
#define IDC_OPT_USER_LIST               1815
#define IDC_OPT_CONFIRM                 1816
#define IDC_OPT_SPLASH                  1817
#define IDC_OPT_TIPS                    1818
#define IDC_OPT_RECENT_COUNT            1819
#define IDC_OPT_RECENT_SPIN             1820
#define IDC_OPT_MENU_BITMAPS            1821
#define IDC_OPT_TRAY                    1822
/* Options: View */
#define IDC_OPT_SAVE_DESKTOP            1830
#define IDC_OPT_EXPLORER_MODE           1831
#define IDC_OPT_MAX_WINDOWS             1832
#define IDC_OPT_MAX_WINDOWS_SPIN        1833
#define IDC_OPT_BACK_STANDARD           1834
#define IDC_OPT_BACK_COLOR              1835
#define IDC_OPT_BACK_COLOR_BUTTON       1836
#define IDC_OPT_SOLID_FILL              1837
#define IDC_OPT_GRADIENT_FILL           1838
#define IDC_OPT_GRADIENT_STYLE          1839
#define IDC_OPT_USE_WALLPAPER           1840
#define IDC_OPT_WALLPAPER_FILE          1841
#define IDC_OPT_BROWSE_WALLPAPER        1842
#define IDC_OPT_WALLPAPER_DISPLAY       1843
/* Options: Folder */
#define IDC_OPT_FULL_PATH               1850
#define IDC_OPT_HIDDEN_FILES            1851
#define IDC_OPT_DIFFERENTIATE           1852
#define IDC_OPT_REGULAR_COLOR           1853
#define IDC_OPT_PERSONAL_COLOR          1854
#define IDC_OPT_SAME_WINDOW             1855
#define IDC_OPT_SINGLE_CLICK            1856
#define IDC_OPT_GRID                    1857
#define IDC_OPT_FULL_ROW                1858
#define IDC_OPT_UNDERLINE               1859
#define IDC_OPT_SELECT_NODE             1860
#define IDC_OPT_FLAT_SCROLL             1861
#define IDC_OPT_ONLY_FILES              1862
/* Options: System */
#define IDC_OPT_PERSONAL_TAB            1870
#define IDC_OPT_BOOKMARKS_TAB           1871
#define IDC_OPT_TABS_BOTTOM             1872
#define IDC_OPT_LARGE_ICONS             1873
#define IDC_OPT_WINDOWS_FIND            1874
#define IDC_OPT_EXPLORE_SHELL           1875
#define IDC_OPT_OPEN_SHELL              1876
#define IDC_OPT_BAR_SINGLE_CLICK        1877
#define IDC_OPT_OPEN_WITH               1878
#define IDC_OPT_TAB_TEXT                1879
/* Options: Performance */
#define IDC_OPT_REFRESH_ATTRIBUTE       1890
#define IDC_OPT_REFRESH_TIME            1891
#define IDC_OPT_IDLE_MINIMIZED          1892
#define IDC_OPT_RELEASE_MEMORY          1893
#define IDC_OPT_FAST_FIND               1894
#define IDC_OPT_REFRESH_MINUTES         1895
#define IDC_OPT_REFRESH_SPIN            1896
#define IDC_OPT_IDLE_INACTIVE           1897
#define IDS_OPTIONS_TITLE               8400
#define IDS_ERASE_SOME_LEFT             8401    /* followed by the entries that stayed */
#define IDS_ERASE_MORE_LEFT             8402    /* followed by how many more */
#define IDS_GRADIENT_STYLE_FIRST        8403    /* seven colour names of the gradient styles */
#define IDS_GRADIENT_STYLE_COUNT        7
#define IDS_CHOOSE_WALLPAPER            8410
#define IDS_CHOOSE_PROGRAM              8411
/* Search windows and Quick Find */
#define IDD_ENTER_TEXT                  193     /* one line of text; its caption is set at run time */
#define IDD_QUICK_FIND_SETTINGS         194
#define IDC_ENTER_TEXT                  1660
#define IDC_QUICK_FIND_DRIVE_C          1661    /* setting 80 = 0 */
#define IDC_QUICK_FIND_LOCAL_DRIVES     1662    /* setting 80 = 1 */
#define IDC_QUICK_FIND_CURRENT_FOLDER   1663    /* setting 80 = 2 */
#define IDS_QUICK_FIND                  8200
/* The entry index of Fast Find */
#define IDC_OPT_INDEX_ENTRIES           1918    /* Performance page: the entries it holds */
#define IDS_INDEXING_DRIVES             8610    /* status bar while it is built, before the count */
#define IDS_INDEX_ENTRIES               8611    /* Performance page, before the count */

/* Criteria, Reports and Rules managers; the report and rule pages */
#define IDD_CRITERIA_MANAGER            460
#define IDD_REPORTS_MANAGER             461
#define IDD_RULES_MANAGER               462
#define IDD_REPORT_PAGE                 463     /* "&Name:" and the criteria list */
#define IDD_RULE_PAGE                   464     /* the report page and the actions */
#define IDC_REPORT_NAME                 1940
#define IDC_REPORT_CRITERIA             1941
#define IDC_REPORT_ADD                  1942    /* drops down "New Criteria" and the criteria list */
#define IDC_REPORT_EDIT                 1943
#define IDC_REPORT_DELETE               1944
#define IDC_RULE_COPY                   1945
#define IDC_RULE_COPY_DEST              1946
#define IDC_RULE_MOVE                   1947
#define IDC_RULE_MOVE_DEST              1948
#define IDC_RULE_DELETE                 1949
#define IDC_RULE_SHOW_WINDOW            1950
#define IDC_RULE_DESCRIPTION            1951
#define ID_PAGE_NEW_CRITERIA            34500   /* items of the "&Add..." drop-down */
#define ID_PAGE_CRITERIA_FIRST          34501   /* entry n of the criteria list */
#define ID_PAGE_CRITERIA_LAST           35500
#define IDS_ADD_REPORT_TITLE            8500
#define IDS_EDIT_REPORT_TITLE           8501
#define IDS_ADD_RULE_TITLE              8502
#define IDS_EDIT_RULE_TITLE             8503

/* Progress dialog of updates, loads, removals and hidden rules */
#define IDD_UPDATE_PROGRESS             480
#define IDC_PROGRESS_BAR                1740
#define IDC_PROGRESS_ITEM               1741    /* the verb and the current item */
#define IDC_PROGRESS_COUNTER            1742    /* the counter label and the remaining count */

/* Personal folders */
#define IDS_PERSONAL_CONTAINS_FORMAT    8600    /* "%d %s, %d %s" */
#define IDS_RESULTS_NOT_SAVED           8601    /* "%s": the folder's name */
#define IDD_UPDATE_ALL                  481     /* "Updating All Folders" */
#define IDC_UPDATE_ALL_FOLDER_BAR       1745    /* folders searched in the current personal folder */
#define IDC_UPDATE_ALL_FOLDER           1746    /* "Searching " and the folder */
#define IDC_UPDATE_ALL_FOLDERS_LEFT     1747
#define IDC_UPDATE_ALL_PERSONAL_BAR     1748    /* personal folders */
#define IDC_UPDATE_ALL_PERSONAL         1749    /* "Updating Folder " and its name */
#define IDC_UPDATE_ALL_PERSONAL_LEFT    1750
#define IDC_UPDATE_ALL_SKIP             1751
#define IDD_NEW_PERSONAL                482     /* "Create New Personal Folder" / "Open New Personal Folder" */
#define IDD_PERSONAL_INFO               483     /* a personal folder's property page */
#define IDD_PERSONAL_CRITERIA           484     /* its criteria, in "Add Personal Folder" */
#define IDC_PERSONAL_NAME               1752
#define IDC_PERSONAL_CRITERIA           1753    /* "&Criteria..." */
#define IDC_PERSONAL_INFO_NAME          1754
#define IDC_PERSONAL_INFO_SIZE          1755
#define IDC_PERSONAL_INFO_CONTAINS      1756
#define IDC_PERSONAL_INFO_CREATED       1757
#define IDC_PERSONAL_INFO_UPDATED       1758
#define IDC_PERSONAL_CRITERIA_LIST      1759
#define IDC_PERSONAL_CRITERIA_ADD       1760
#define IDC_PERSONAL_CRITERIA_EDIT      1761
#define IDC_PERSONAL_CRITERIA_DELETE    1762

#endif /* TRAILMARK_RESOURCE_H */
