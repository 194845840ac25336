// The prompt's texts from the engine's message catalogue: button labels and
// caption formats, bounded to the sizes the prompt gives them.
#pragma once

#include "CString.h"

// Catalogue ids of the prompt's labels and caption formats.
enum {
    TXT_OK = 81,
    TXT_CANCEL = 82,
    TXT_YES = 83,
    TXT_NO = 84,
    TXT_YES_TO_ALL = 90,
    TXT_CAPTION_WARNING = 104,
    TXT_CAPTION_ERROR = 105,
    TXT_CAPTION_INFORMATION = 106,
    TXT_CAPTION_QUESTION = 107,
};

// A label or caption format: at most 31 characters.
constexpr int kPromptTextChars = 31;
// A formatted caption: at most 63 characters.
constexpr int kPromptCaptionChars = 63;

// The catalogue's prompt text of that id, cut to kPromptTextChars.
CString PromptText(int nId);

// The caption that a catalogue format makes with the product title: the title
// in place of the format's one %s. A format with any other conversion (or
// none, or two) is shown as it stands, so a catalogue text never drives
// sprintf beyond the one argument it is given. Cut to kPromptCaptionChars.
CString PromptCaption(const char* pszFormat, const char* pszTitle);
