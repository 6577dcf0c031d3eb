#include "commands.h"

const char* UsageText() {
    return R"(mkdist: builds and checks Glyphwork Setup distributions.

Usage:
  mkdist pack --setup SETUP_EXE --out DIST_DIR [--disk-size BYTES] PRODUCT_DIR FILE...
      Packs FILE... of PRODUCT_DIR, in that order. The first FILE is the main executable
      (installed as Glyphwork.Exe); every further FILE becomes a catalogue entry. FILE
      names are bare names of at most 19 characters. The archive is cut into volumes of
      BYTES (default 1457664) named Glyphwor.001, Glyphwor.002, ... (at most 4), and
      SETUP_EXE is copied into DIST_DIR with the catalogue appended; data an earlier pack
      appended to it is cut off first. Reports the DiskCount and AssemblyTotalBytes the
      setup program must be built with when its compiled-in values differ.
  mkdist list SETUP_EXE
      Shows the catalogue: name, offset, size and where the setup program puts each file.
  mkdist unpack [--setup NAME] DIST_DIR OUT_DIR
      Installs like the setup program, without Windows: joins the volumes, decodes them and
      splits the stream. The main executable becomes OUT_DIR/Glyphwork.Exe, help files
      (".HLP") go to OUT_DIR/Help (standing in for the Windows help folder), all other
      files to OUT_DIR; ".LIB" and ".DTP" files already in OUT_DIR are kept.
  mkdist verify [--setup NAME] DIST_DIR
      Decodes the distribution and checks it is complete and matches its catalogue and
      checksums. Exit code 0 only when all is well.
  mkdist compress IN OUT
      Compresses a raw file into one LZH stream.
  mkdist decompress --size N IN OUT
      Decodes N bytes of a raw LZH stream (exactly N: a final match's overshoot is cut).

Without --setup, unpack and verify use the file in DIST_DIR that ends in a sound catalogue.
Exit code: 0 on success, 1 on any failure, 2 for a wrong command line.
)";
}
