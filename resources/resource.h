// Resource identifiers, grouped by kind. Dialog and page identifiers are the
// numbers of their templates.
#pragma once

// Strings: product texts
#define IDS_SETUP_TITLE          4
#define IDS_GROUP_NAME           6     // not defined: no program group of our own
#define IDS_PROGRAM_FILE         21    // not defined: the plug-in has no main program
#define IDS_PRODUCT_NAME         22

// Strings: status report
#define IDS_STATUS_SUCCESS       57345
#define IDS_STATUS_FAILED        57346

// Strings: error reporting
#define IDS_MSG_SETUP_CANNOT_CONTINUE  9
#define IDS_CONTINUE_OPERATION         14
#define IDS_CANCEL_OPERATION           15
#define IDS_MSG_CANNOT_INSTALL_FROM    17

#define IDS_ERR_UNKNOWN                24576
#define IDS_ERR_UNKNOWN_LONG           24577
#define IDS_ERR_MEMORY                 24578
#define IDS_ERR_MEMORY_LONG            24579
#define IDS_ERR_FILE                   24580
#define IDS_ERR_FILE_LONG              24581
#define IDS_ERR_ARCHIVE                24582
#define IDS_ERR_ARCHIVE_LONG           24583
#define IDS_ERR_RESOURCE               24584
#define IDS_ERR_RESOURCE_LONG          24585
#define IDS_ERR_CANCELLED              24586
#define IDS_ERR_CANCELLED_LONG         24587
#define IDS_ERR_NOT_SUPPORTED          24588
#define IDS_ERR_NOT_SUPPORTED_LONG     24589
#define IDS_ERR_FILE_NOT_FOUND         24590
#define IDS_ERR_FILE_NOT_FOUND_LONG    24591
#define IDS_ERR_BAD_PATH               24592
#define IDS_ERR_BAD_PATH_LONG          24593
#define IDS_ERR_TOO_MANY_FILES         24594
#define IDS_ERR_TOO_MANY_FILES_LONG    24595
#define IDS_ERR_ACCESS_DENIED          24596
#define IDS_ERR_ACCESS_DENIED_LONG     24597
#define IDS_ERR_INVALID_FILE           24598
#define IDS_ERR_REMOVE_CURRENT_DIR     24599
#define IDS_ERR_DIRECTORY_FULL         24600
#define IDS_ERR_DIRECTORY_FULL_LONG    24601
#define IDS_ERR_BAD_SEEK               24602
#define IDS_ERR_HARDWARE               24603
#define IDS_ERR_HARDWARE_LONG          24604
#define IDS_ERR_SHARING                24605
#define IDS_ERR_SHARING_LONG           24606
#define IDS_ERR_LOCKING                24607
#define IDS_ERR_LOCKING_LONG           24608
#define IDS_ERR_DISK_FULL              24609
#define IDS_ERR_DISK_FULL_LONG         24610
#define IDS_ERR_END_OF_FILE            24611

// ---------------------------------------------------------------------------
// Wizard, dialogs and their texts (windows and resources of the setup program)
// ---------------------------------------------------------------------------

// Strings: wizard and dialog messages
#define IDS_CONFIRM_CANCEL             5     // "... installation not complete. Do you really want to exit Setup?"
#define IDS_CANNOT_CREATE_DIRECTORY    7
#define IDS_RESTART_REFUSED            23
#define IDS_EMPTY_PATH                 27

// Dialogs: wizard pages (page id = template id)
#define IDD_WELCOME                    102
#define IDD_SELECT_DIR                 104
#define IDD_COPY                       108
#define IDD_READ_SETUP                 114
#define IDD_FINISHED                   115
#define IDD_NOT_INSTALLED              116
#define IDD_REMOVE_CONFIRM             1545
#define IDD_REMOVE_FILES               1546
#define IDD_REMOVED                    1547
#define IDD_REGISTER                   1549
#define IDD_UNREGISTER                 1550
#define IDD_RESTART                    1558

// Dialogs: other templates
#define IDD_INSERT_DISK                113
#define IDD_BUTTON_BAR                 129
#define IDD_FOLDER                     138
#define IDD_ERROR                      1544

// Icons (our own pictures)
#define IDI_SETUP                      4     // background window; error dialog placeholder
#define IDI_FOLDER                     102   // Select Directory
#define IDI_PLUGIN                     103   // Welcome, Finished, Removed
#define IDI_COPY                       133   // Copying
#define IDI_READ                       134   // Reading setup information
#define IDI_REMOVE                     136   // Removing files
#define IDI_ALERT                      137   // Not installed, confirm removal
#define IDI_REGISTER                   142   // Registering, Unregistering

// Controls: button bar (129)
#define IDC_BAR_HELP                   9     // in the template, never shown
#define IDC_BAR_NEXT                   1020
#define IDC_BAR_BACK                   1027

// Controls: wizard pages
#define IDC_BROWSE                     4     // Select Directory
#define IDC_PAGE_ICON                  1000  // Welcome, confirm removal
#define IDC_LOCATION                   1001  // Select Directory
#define IDC_SOURCE_FILE                1008  // Copying
#define IDC_DEST_FILE                  1009  // Copying
#define IDC_GAUGE                      1010  // Copying: frame replaced by the gauge
#define IDC_REMOVING_FILE              1031  // Removing files
#define IDC_RESTART_NOW                1035  // Restart
#define IDC_RESTART_LATER              1036  // Restart

// Controls: diskette prompt (113)
#define IDC_DISK_BROWSE                3
#define IDC_DISK_DIRECTORY             1001
#define IDC_DISK_REQUEST               1026
#define IDC_DISK_EXPLANATION           1033

// Controls: folder picker (138); the 10xx/11xx ones belong to the file dialog
#define IDC_FOLDER_PATH                1002
#define IDC_FOLDER_PATH_LABEL          1034
#define IDC_FOLDER_READ_ONLY           1040
#define IDC_FOLDER_CURRENT_DIR         1088
#define IDC_FOLDER_FILE_TYPE_LABEL     1089
#define IDC_FOLDER_FILE_LIST           1120
#define IDC_FOLDER_LIST                1121
#define IDC_FOLDER_FILE_TYPE           1136
#define IDC_FOLDER_DRIVES              1137
#define IDC_FOLDER_FILE_NAME           1152

// Controls: error dialog (1544)
#define IDC_ERROR_MORE                 119
#define IDC_ERROR_CORNER               123   // bottom-right corner of the collapsed dialog
#define IDC_ERROR_SHORT                140
#define IDC_ERROR_MESSAGE              141
#define IDC_ERROR_ICON                 142
#define IDC_ERROR_INFO                 144
#define IDC_ERROR_LONG                 152
#define IDC_ERROR_HELP                 998

// Strings: archive and codec errors (archive/)
#define IDS_ERR_MULTIFILE_METHOD       27648
#define IDS_ERR_MULTIFILE_METHOD_LONG  27649
#define IDS_ERR_MULTIFILE_NOT_ARCHIVE  27650
#define IDS_ERR_MULTIFILE_NOT_ARCHIVE_LONG 27651
#define IDS_ERR_MULTIFILE_NO_ENTRY     27652
#define IDS_ERR_MULTIFILE_NO_ENTRY_LONG 27653
#define IDS_ERR_MULTIFILE_TABLE        27654
#define IDS_ERR_MULTIFILE_TABLE_LONG   27655
#define IDS_ERR_MULTIFILE_CRC          27656
#define IDS_ERR_MULTIFILE_CRC_LONG     27657
#define IDS_ERR_ZLIB_UNKNOWN           27658
#define IDS_ERR_ZLIB_LONG              27659
#define IDS_ERR_ZLIB_STREAM            27660
#define IDS_ERR_ZLIB_DATA              27661
#define IDS_ERR_ZLIB_BUFFER            27662

// Strings: install profile errors (profile/)
#define IDS_ERR_PROFILE                10
#define IDS_ERR_PROFILE_LONG           13

// Strings: source media and diskette prompt (archive/)
#define IDS_DISK_NOT_FOUND             28
