// The source locator: makes sure a file of the distribution can be reached
// before the copy engine or the archive reader opens it. It looks in the
// application's source directory, then in the directory of the wanted
// diskette when the source directory's name ends in a diskette number, and
// finally asks the user to insert the diskette.
#pragma once

#include "CString.h"

// TRUE when lpszFileName (relative to the source directory) exists in the
// source directory as it is after the call; FALSE when the user cancelled
// the diskette prompt. The source directory moves to the numbered diskette
// directory or to the directory confirmed in the prompt, and stays there
// for all later files.
BOOL LocateSourceFile(LPCTSTR lpszFileName, int nDiskette);

// Diskette directories are numbered in their last two characters (DISK01,
// DISK02 ...). A directory (without drive and final backslash) longer than
// two characters whose last two read as a number other than 0 gets
// nDiskette there instead, written with at least two digits; FALSE, and no
// change, for any other directory.
BOOL RenumberDisketteDirectory(CString& strDirectory, int nDiskette);
