// Ids shared with the resource compiler, which understands only the preprocessor.
#pragma once

#define IDR_MAINFRAME 128
#define IDS_ABOUTBOX 101
