// What a user and a host do to a link in the tests: set its target, click
// it with the real pointer, or have its item report a click to the parent.
#pragma once

#include <Dialogs/Dialogs.h>

#include <string>

void setURL(CT_HttpLink& link, const std::wstring& target);
// Moves the real pointer to `offset` in the window and clicks there; returns
// once this thread has taken the click's messages and handed them on.
void clickWithPointer(HWND window, POINT offset);
// The notification a static item with SS_NOTIFY sends its parent on a click.
void notifyClick(HWND parent, HWND item);
