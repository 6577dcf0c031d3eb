// guidrv: drives the windows of another program running in the same Wine prefix.
//
// Protocol: one request per line on stdin, one JSON reply per line on stdout (flushed).
// A request is TAB-separated fields, the command name first; inside a field \\ \t \n \r
// and \xHH are escapes, the bytes are UTF-8. Window handles and numbers are decimal or 0x hex.
// Every reply is {"ok":true,...} or {"ok":false,"error":"..."}. Reply strings are pure
// ASCII JSON: each UTF-16 unit outside 0x20..0x7E is \uXXXX. The target programs use
// ANSI (cp1252) strings; the system maps them to Unicode with the prefix's code page, so
// e.g. byte 0x80 arrives as \u20ac. "info" reports the code page in use.
//
// Windows
//   windows                       top-level windows: hwnd caption class owner owner_caption
//                                 pid tid visible enabled rect client (rects: screen [l,t,r,b]);
//                                 captions are the stored window texts (no message is sent)
//   controls HWND                 all descendants: hwnd parent id (16-bit) class text style
//                                 exstyle visible enabled rect; text is WM_GETTEXT (300 ms
//                                 timeout, then the stored text)
//   focus HWND                    GetGUIThreadInfo of HWND's thread: focus active capture,
//                                 plus foreground (GetForegroundWindow)
//   text HWND                     WM_GETTEXT
// Input (all posted, so the target's own message loop handles them as user input)
//   settext HWND TEXT             WM_SETTEXT (sent)
//   type HWND TEXT                WM_CHAR per character
//   click HWND [force]            BM_CLICK; refuses a hidden or disabled button unless "force"
//   command HWND ID               WM_COMMAND(ID, BN_CLICKED, control of that id or 0)
//   key HWND NAME                 WM_KEYDOWN/WM_KEYUP (WM_SYS* for alt+) to the focused control
//                                 of HWND's thread when it is HWND or inside it, else to HWND.
//                                 NAME: enter escape tab space backspace delete home end left
//                                 right up down f1..f12 a..z 0..9, alt+NAME (e.g. alt+f4)
//   input NAME                    the key (names as for "key") through SendInput, to the
//                                 foreground window's focus, as a keyboard would
//   input.text TEXT               each character as its key (Shift added when needed)
//                                 through SendInput; characters without a key are refused
//   close HWND                    WM_SYSCOMMAND SC_CLOSE
//   post HWND MSG WPARAM LPARAM   any posted message
//   send HWND MSG WPARAM LPARAM   any sent message (2 s timeout); replies "result"
// Registry (ROOT: HKCU HKLM HKCR HKU; VIEW: 64 (default) or 32)
//   reg.get ROOT KEY NAME [VIEW]  {"exists",type,"value"}: string, number or hex string
//   reg.set ROOT KEY NAME TYPE DATA [VIEW]   TYPE: REG_SZ REG_EXPAND_SZ REG_DWORD
//   reg.delvalue ROOT KEY NAME [VIEW]
//   reg.deltree ROOT KEY [VIEW]   the key with everything below it
//   reg.list ROOT KEY [VIEW]      {"exists","values":[{name,type,value}],"subkeys":[...]}
// Shell
//   lnk.read PATH                 target workdir arguments showcmd description icon icon_index
//                                 file_showcmd (from the file header; Wine's IShellLink
//                                 reports showcmd 1 whatever was stored)
//   lnk.write PATH TARGET ARGS WORKDIR SHOWCMD DESCRIPTION
// System
//   procs                         [{pid, ppid, exe}]
//   kill PID [CODE]               TerminateProcess (default code 1)
//   metrics                       SM_CXSCREEN SM_CYSCREEN
//   info                          acp oemcp pid
//   ping                          empty reply (round-trip measure)
//   quit                          replies, then exits 0 (end of input does the same)

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "commands.h"
#include "rtl/win_handles.h"

namespace {

void Reply(const std::string& json) {
  std::fwrite(json.data(), 1, json.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string ErrorReply(const std::string& message) {
  JsonWriter reply;
  reply.BeginObject().FieldBool("ok", false).Field("error", Widen(message)).EndObject();
  return reply.Text();
}

// Runs one request line; returns false when the driver should stop.
bool Serve(const CommandTable& table, const std::string& line) {
  std::vector<std::string> fields;
  try {
    fields = SplitRequest(line);
  } catch (const CommandError& e) {
    Reply(ErrorReply(e.what()));
    return true;
  }
  const std::string& name = fields[0];
  if (name.empty()) return true;
  if (name == "quit") {
    Reply("{\"ok\":true}");
    return false;
  }
  auto found = table.find(name);
  if (found == table.end()) {
    Reply(ErrorReply("unknown command: " + name));
    return true;
  }
  JsonWriter reply;
  reply.BeginObject().FieldBool("ok", true);
  try {
    found->second(Args(std::move(fields)), reply);
  } catch (const CommandError& e) {
    Reply(ErrorReply(e.what()));
    return true;
  } catch (const std::exception& e) {
    Reply(ErrorReply(std::string("internal: ") + e.what()));
    return true;
  }
  reply.EndObject();
  Reply(reply.Text());
  return true;
}

}  // namespace

int wmain() {
  // Pipes in binary mode: no CRLF translation of the protocol lines.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  ComInitialization com;

  CommandTable table;
  AddWindowCommands(table);
  AddInputCommands(table);
  AddRegistryCommands(table);
  AddShellCommands(table);
  AddSystemCommands(table);

  std::string line;
  while (std::getline(std::cin, line)) {
    if (!Serve(table, line)) break;
  }
  return 0;
}
