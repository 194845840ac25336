// Resource ids of the framework tests' dialog.
#pragma once
#define IDD_EXCHANGE    200
#define IDC_NAME        1000
#define IDC_FLAG        1001
#define IDD_MISSING     299
