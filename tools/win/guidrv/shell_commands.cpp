// Shell links through IShellLinkA, the interface the setup program writes them with.
#include <shlobj.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "rtl/win_handles.h"
#include "text.h"

namespace {

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08lx", static_cast<unsigned long>(hr));
    throw CommandError(std::string(what) + " failed: " + buf);
  }
}

struct Link {
  ComPtr<IShellLinkA> shellLink;
  ComPtr<IPersistFile> file;
};

Link CreateLink() {
  Link link;
  Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.shellLink.OutVoid()),
        "CoCreateInstance(ShellLink)");
  Check(link.shellLink->QueryInterface(IID_IPersistFile, link.file.OutVoid()), "QueryInterface(IPersistFile)");
  return link;
}

// The show command as stored in the file's header (offset 0x3C). Wine 8's IShellLink
// does not load it back and always reports SW_SHOWNORMAL, so tests need this one.
int64_t HeaderShowCmd(const std::wstring& path) {
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (!file) return -1;
  unsigned char header[0x4C] = {};
  size_t got = std::fread(header, 1, sizeof header, file);
  std::fclose(file);
  if (got != sizeof header || header[0] != 0x4C) return -1;
  uint32_t showCmd = 0;
  std::memcpy(&showCmd, header + 0x3C, sizeof showCmd);
  return showCmd;
}

void Read(const Args& args, JsonWriter& reply) {
  args.Need(1, "lnk.read PATH");
  Link link = CreateLink();
  Check(link.file->Load(args.Text(1).c_str(), STGM_READ), "IPersistFile::Load");
  char buf[MAX_PATH * 4];
  auto field = [&](const char* name, HRESULT hr) {
    reply.Field(name, SUCCEEDED(hr) ? AnsiToWide(buf) : std::wstring());
  };
  buf[0] = '\0';
  field("target", link.shellLink->GetPath(buf, sizeof buf, nullptr, SLGP_RAWPATH));
  buf[0] = '\0';
  field("workdir", link.shellLink->GetWorkingDirectory(buf, sizeof buf));
  buf[0] = '\0';
  field("arguments", link.shellLink->GetArguments(buf, sizeof buf));
  buf[0] = '\0';
  field("description", link.shellLink->GetDescription(buf, sizeof buf));
  int iconIndex = 0;
  buf[0] = '\0';
  field("icon", link.shellLink->GetIconLocation(buf, sizeof buf, &iconIndex));
  int showCmd = 0;
  link.shellLink->GetShowCmd(&showCmd);
  reply.Field("icon_index", static_cast<int64_t>(iconIndex))
      .Field("showcmd", static_cast<int64_t>(showCmd))
      .Field("file_showcmd", HeaderShowCmd(args.Text(1)));
}

void Write(const Args& args, JsonWriter&) {
  args.Need(6, "lnk.write PATH TARGET ARGS WORKDIR SHOWCMD DESCRIPTION");
  Link link = CreateLink();
  Check(link.shellLink->SetPath(WideToAnsi(args.Text(2)).c_str()), "SetPath");
  Check(link.shellLink->SetArguments(WideToAnsi(args.Text(3)).c_str()), "SetArguments");
  Check(link.shellLink->SetWorkingDirectory(WideToAnsi(args.Text(4)).c_str()), "SetWorkingDirectory");
  Check(link.shellLink->SetShowCmd(static_cast<int>(args.Int(5))), "SetShowCmd");
  Check(link.shellLink->SetDescription(WideToAnsi(args.Text(6)).c_str()), "SetDescription");
  Check(link.file->Save(args.Text(1).c_str(), TRUE), "IPersistFile::Save");
}

}  // namespace

void AddShellCommands(CommandTable& table) {
  table["lnk.read"] = Read;
  table["lnk.write"] = Write;
}
