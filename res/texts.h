#pragma once

// Every text the dialogs show, defined once for the resource script and the
// terminal rendering. Lines end with a single LF; \042 is a double quote.
#define TEXT_USAGE_CAPTION "Tocsplice"
#define TEXT_ABOUT_CAPTION "About Tocsplice"
#define TEXT_USAGE_1                                                        \
  "Please use \n"                                                           \
  "Tocsplice -s  -i [\042input filename\042] - a [\042merge filename\042] " \
  "- o [\042output filename\042] -l [\042log filename\042] -f "             \
  "[\042section name\042]\n"                                                \
  "to start the application"
#define TEXT_USAGE_2                                                      \
  "This application reads file [merge filename] and adds \n"              \
  "\042:Index [input filename]=[input filename].hlp\042 after the first " \
  "line including string \042:Base \042\n"                                \
  "and"
#define TEXT_USAGE_3                                                      \
  "\042:include [input filename].cnt\042 after the first line including " \
  "string [section name] \n"                                              \
  "and writes the result to file [output filename"
#define TEXT_ABOUT_VERSION "Tocsplice Version 1.0"
#define TEXT_ABOUT_LINE2 "Help contents merge tool"
#define TEXT_ABOUT_MENU "&About Tocsplice..."
#define TEXT_OK "OK"
#define TEXT_CANCEL "Cancel"
