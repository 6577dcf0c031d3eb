// Processes, screen metrics and driver facts.
#include "commands.h"
#include "rtl/win_handles.h"

#include <tlhelp32.h>  // after windows.h, which it needs

namespace {

void Processes(const Args&, JsonWriter& reply) {
  // The snapshot fails with INVALID_HANDLE_VALUE, not null.
  HANDLE taken = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  UniqueHandle snapshot(taken == INVALID_HANDLE_VALUE ? nullptr : taken);
  if (!snapshot.Valid()) throw CommandError("CreateToolhelp32Snapshot failed");
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  reply.Key("processes").BeginArray();
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
    reply.BeginObject()
        .Field("pid", static_cast<int64_t>(entry.th32ProcessID))
        .Field("ppid", static_cast<int64_t>(entry.th32ParentProcessID))
        .Field("exe", std::wstring(entry.szExeFile))
        .EndObject();
  }
  reply.EndArray();
}

void Metrics(const Args&, JsonWriter& reply) {
  reply.Field("cx", static_cast<int64_t>(GetSystemMetrics(SM_CXSCREEN)))
      .Field("cy", static_cast<int64_t>(GetSystemMetrics(SM_CYSCREEN)));
}

void Info(const Args&, JsonWriter& reply) {
  reply.Field("acp", static_cast<int64_t>(GetACP()))
      .Field("oemcp", static_cast<int64_t>(GetOEMCP()))
      .Field("pid", static_cast<int64_t>(GetCurrentProcessId()));
}

void Kill(const Args& args, JsonWriter&) {
  args.Need(1, "kill PID [CODE]");
  UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(args.Int(1))));
  if (!process.Valid()) throw CommandError("no such process: " + args.Raw(1));
  UINT code = args.Has(2) ? static_cast<UINT>(args.Int(2)) : 1;
  if (!TerminateProcess(process.Get(), code)) throw CommandError("TerminateProcess failed");
}

void Ping(const Args&, JsonWriter&) {}

}  // namespace

void AddSystemCommands(CommandTable& table) {
  table["procs"] = Processes;
  table["metrics"] = Metrics;
  table["info"] = Info;
  table["kill"] = Kill;
  table["ping"] = Ping;
}
