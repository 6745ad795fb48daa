// Reporting a caught exception to the user in the error dialog, and the
// message pump of long works.
#pragma once

#include "CException.h"

// The shared body of both report forms; the exception is not deleted.
// Returns the dialog's end code (IDOK, IDCANCEL).
INT_PTR ShowExceptionDialog(UINT nMessageId, LPCTSTR lpszMessage, CException* e, BOOL bCanCancel,
                            LPCTSTR lpszIconId);

// The information form: the message format nMessageId of the string table,
// filled with the trailing values, and OK only.
void ReportSetupError(UINT nMessageId, CException* e, ...);

// The question form: TRUE when the user chose "Continue Operation".
BOOL QuerySetupError(UINT nMessageId, CException* e, ...);

// Dispatches every waiting message of the thread; a quit message is posted
// again (for the message loop) and ends the pumping.
void PumpWaitingMessages();
