// The command table: each group of commands lives in a file of its own and adds
// its handlers here. A handler writes its result fields into the open reply object
// (after "ok":true) or throws CommandError.
#pragma once

#include <map>
#include <string>

#include "json_writer.h"
#include "protocol.h"

using CommandHandler = void (*)(const Args& args, JsonWriter& reply);
using CommandTable = std::map<std::string, CommandHandler>;

void AddWindowCommands(CommandTable& table);
void AddInputCommands(CommandTable& table);
void AddRegistryCommands(CommandTable& table);
void AddShellCommands(CommandTable& table);
void AddSystemCommands(CommandTable& table);

// Helpers shared by the command files.
int64_t HandleValue(HWND hwnd);
std::wstring WindowText(HWND hwnd);   // WM_GETTEXT with a timeout, so a hung target cannot block us
std::wstring StoredText(HWND hwnd);   // the text the system keeps for the window; sends no message
std::wstring WindowClass(HWND hwnd);
void WriteRect(JsonWriter& reply, const char* name, const RECT& rect);
