"""The texts written as they stand: README, LICENSE and the default settings."""

README = """\
GLYPHWORK 1.0

Glyphwork shows the fonts on your computer and every glyph in them.

Starting
  Choose Glyphwork in the Programs menu, or run Glyphwork.Exe in the folder
  you installed it to.

The window
  The list on the left holds the fonts installed on this computer. Pick one,
  and the right side shows your sample line in four sizes and below it the
  glyph table: characters 32 to 255 of the font, sixteen to a row. Click a
  glyph to see its code in the status line. Type another sample line into
  the box at the top.

What is where
  Glyphwork.Exe   the program
  UnInstal.Exe    removes Glyphwork again
  *.GLF           the Glyphwork outline fonts: Roman, Italic, Script, Symbol
  KERNING.TBL     kerning pairs of those fonts
  CHARMAP.TXT     character names
  USER.LIB        your own glyph library (kept when you install again)
  STYLES.DTP      styles for page layout (kept when you install again)
  PREVIEW.BMP     a preview sheet of the fonts
  GLYPHWRK.INI    settings
  GLYPHWRK.HLP    help, in the Help folder of Windows

Removing Glyphwork
  Run UnInstal.Exe, or remove Glyphwork in the list of installed programs.
  It removes the files above, the Programs menu shortcut and the entry in
  the list of installed programs. Files you put into the Glyphwork folder
  yourself are left alone.
"""

LICENSE = """\
GLYPHWORK LICENCE AGREEMENT

1. Grant. You may install and use Glyphwork on any number of computers that
   you own or control.

2. Fonts. The outline fonts that come with Glyphwork (Roman, Italic, Script
   and Symbol) may be embedded in documents you make and may be printed
   without limit. You may not sell them on their own.

3. Your work. Glyphs, libraries and style sheets that you make with
   Glyphwork belong to you.

4. Copies. You may copy the distribution disks to pass Glyphwork on, as long
   as every copy is complete and unchanged, this agreement included.

5. No warranty. Glyphwork is provided as it is, without warranty of any
   kind. The authors are not liable for any damage that comes from its use,
   as far as the law allows.

6. End. This agreement ends when you remove Glyphwork from all your
   computers.
"""

SETTINGS = """\
; Glyphwork settings
[Window]
Left=-1
Top=-1
Width=800
Height=600

[Sample]
Text=The quick brown fox jumps over the lazy dog 0123456789
Sizes=12,18,24,36

[Glyph table]
First=32
Last=255
Columns=16

[Fonts]
Roman=ROMAN.GLF
Italic=ITALIC.GLF
Script=SCRIPT.GLF
Symbol=SYMBOL.GLF
Kerning=KERNING.TBL
Library=USER.LIB
Styles=STYLES.DTP
"""


def crlf(text: str) -> bytes:
    return text.replace("\n", "\r\n").encode("ascii")
