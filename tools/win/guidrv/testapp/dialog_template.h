// Builds a classic (not extended) dialog template in memory, as a resource compiler would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short cx, short cy, const std::wstring& title, short pointSize,
                 const std::wstring& font);
  // classAtom: 0x80 button, 0x81 edit, 0x82 static.
  void AddControl(WORD classAtom, DWORD style, short x, short y, short cx, short cy, WORD id,
                  const std::wstring& text);
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Word(WORD w) { words_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void String(const std::wstring& s);
  void AlignDword() {
    if (words_.size() % 2) Word(0);
  }

  std::vector<WORD> words_;  // WORD storage keeps the template 2-byte aligned
  size_t countIndex_;        // where cdit lives, bumped per control
};
