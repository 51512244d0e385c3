#pragma once
// Shared by the resource script and the code: plain macros only.
#define IDI_LUNEA_SYNC 101
#define IDD_SETTINGS 101
