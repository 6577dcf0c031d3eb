#include "dialog_template.h"

DialogTemplate::DialogTemplate(DWORD style, short cx, short cy, const std::wstring& title, short pointSize,
                               const std::wstring& font) {
  Dword(style);
  Dword(0);  // extended style
  countIndex_ = words_.size();
  Word(0);   // cdit
  Word(0);   // x: the stored position does not matter, the program centres
  Word(0);   // y
  Word(static_cast<WORD>(cx));
  Word(static_cast<WORD>(cy));
  Word(0);  // no menu
  Word(0);  // standard dialog class
  String(title);
  Word(static_cast<WORD>(pointSize));
  String(font);
}

void DialogTemplate::String(const std::wstring& s) {
  for (wchar_t c : s) Word(static_cast<WORD>(c));
  Word(0);
}

void DialogTemplate::AddControl(WORD classAtom, DWORD style, short x, short y, short cx, short cy, WORD id,
                                const std::wstring& text) {
  AlignDword();
  Dword(style);
  Dword(0);
  Word(static_cast<WORD>(x));
  Word(static_cast<WORD>(y));
  Word(static_cast<WORD>(cx));
  Word(static_cast<WORD>(cy));
  Word(id);
  Word(0xFFFF);
  Word(classAtom);
  String(text);
  Word(0);  // no creation data
  ++words_[countIndex_];
}
