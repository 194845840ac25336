// Answers the prompts that the sample front end shows around its recording
// session, from outside its process, as a user would.
#pragma once

#include "ProcessDriver.h"

#include <functional>

struct SessionAnswers {
    bool start = true;              // Yes to the question, else No
    const char* speed = nullptr;    // typed over the default; null keeps it
    const char* label = nullptr;    // typed over the initial label; null keeps it
};

// Called with each prompt before it is answered, and what it asks.
using PromptSeen = std::function<void(HWND prompt, const char* what)>;

// Waits for each prompt before the session and answers it; false when one of
// them did not appear in time.
bool AnswerSessionPrompts(const ChildProcess& program, const SessionAnswers& answers,
                          const PromptSeen& seen = nullptr);

// Waits for the message after the session (the information that it was
// written, or the error that it was interrupted) and acknowledges it; false
// when that message did not appear in time.
bool AcknowledgeSessionMessage(const ChildProcess& program, bool written, const PromptSeen& seen = nullptr,
                               DWORD timeoutMs = 15000);
