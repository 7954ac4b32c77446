#pragma once

// Resource identifiers; the numbers are fixed by the program's design.
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_USAGE 102
#define IDI_APP 128
// The About entry of the usage dialog's system menu.
#define IDM_ABOUTBOX 0x0010
#define VS_VERSION 1
