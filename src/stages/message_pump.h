// Lets the thread's message queue run from inside a stage's work, so that the stage dialog is
// painted and its Cancel button answers while the work holds the dialog's own modal loop.
#pragma once

// Removes, translates and dispatches every queued message; WM_QUIT is removed and dropped.
// The dialog manager's keyboard handling is not applied. An error parked by a handler that ran
// in here is raised again, so it ends the work that pumped.
void PumpMessages();

// As PumpMessages, but only when at least ThrottleMs have passed since the last pump (or when
// Force is set). An empty queue poll is costly under some systems, and the decoder asks for
// input once per byte.
void PumpMessagesThrottled(bool force);
