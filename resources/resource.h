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
