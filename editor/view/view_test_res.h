// Resources of the editor window tests' own small program.
#pragma once
#define IDR_VIEWTEST_MAIN 300
#define IDR_VIEWTEST_DOC 301
