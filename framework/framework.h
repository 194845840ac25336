// The framework layer: the MFC-style classes the programs are written on.
#pragma once

#include "CDialog.h"
#include "CFileDialog.h"
#include "CPaintDC.h"
#include "CStdioFile.h"
#include "CStringArray.h"
#include "CString.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "Controls.h"
#include "DataExchange.h"
#include "FileException.h"
#include "MessageMap.h"
