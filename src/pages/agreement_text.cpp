// The licence agreement shown on the licence page: one paragraph per line, each ended by
// CR LF; the agreement box wraps the lines at its width. Adjacent literals of one paragraph
// join without a break.
#include "setup/config.h"

const char* const LicenseAgreement =
    "GLYPHWORK SOFTWARE LICENCE AGREEMENT\r\n"

    "This is a legal agreement between you, the end user, and Tallowbeck (\"Tallowbeck\"). By "
    "installing, copying or otherwise using Glyphwork, the font and glyph editing program that this "
    "setup program installs, together with its help files, sample fonts and documentation (together "
    "the \"Software\"), you agree to be bound by the terms of this agreement. If you do not agree to "
    "these terms, click on the Exit button, do not install the Software, and return it with your "
    "proof of purchase to the place where you obtained it for a full refund.\r\n"

    "1. GRANT OF LICENCE. Tallowbeck grants you a non-exclusive, non-transferable licence to install "
    "and use one copy of the Software on a single computer at a time. The Software is \"in use\" on a "
    "computer when it is loaded into temporary memory or installed into permanent storage of that "
    "computer. You may install a second copy on a portable computer for your exclusive use, provided "
    "that both copies are never used at the same time.\r\n"

    "2. COPYRIGHT. The Software is owned by Tallowbeck and is protected by copyright laws and "
    "international treaty provisions. You may make one copy of the Software solely for backup or "
    "archival purposes. You may not copy the printed materials that accompany the Software, and you "
    "may not remove or alter any copyright notice, trademark or other proprietary marking in the "
    "Software.\r\n"

    "3. FONTS YOU CREATE. Tallowbeck claims no rights in the typefaces, glyph outlines, bitmaps, "
    "kerning tables and other designs that you create or edit with the Software. You may use, sell, "
    "license and distribute your own font files freely, without royalty to Tallowbeck, provided that "
    "they do not contain the sample fonts described in section 4 or any substantial part of them.\r\n"

    "4. SAMPLE FONTS. The sample fonts and glyph sets supplied with the Software are licensed to you "
    "for study, for testing the Software and for the preparation of documents on your own computer. "
    "You may not sell, rent, lend or distribute the sample fonts, alone or embedded in other font "
    "files, and you may not rename or modify them for the purpose of distribution.\r\n"

    "5. RESTRICTIONS. You may not rent, lease or lend the Software. You may not reverse engineer, "
    "decompile or disassemble the Software, except and only to the extent that such activity is "
    "expressly permitted by applicable law notwithstanding this limitation. You may not use the "
    "Software to remove or circumvent the embedding permissions or the licence information recorded "
    "in fonts made by others.\r\n"

    "6. TRANSFER. You may permanently transfer all of your rights under this agreement, provided that"
    " you retain no copies, that you transfer all of the Software (including all component parts, the"
    " printed materials, any upgrades and this agreement), and that the recipient agrees to the terms"
    " of this agreement.\r\n"

    "7. TERMINATION. Without prejudice to any other rights, Tallowbeck may terminate this agreement "
    "if you fail to comply with its terms and conditions. In such event, you must destroy all copies "
    "of the Software and all of its component parts. Fonts that you created with the Software before "
    "the termination remain yours.\r\n"

    "8. LIMITED WARRANTY. Tallowbeck warrants that the Software will perform substantially in "
    "accordance with the accompanying printed materials for a period of ninety (90) days from the "
    "date of receipt, and that the disks on which it is supplied will be free from defects in "
    "materials and workmanship under normal use for the same period. Any implied warranties on the "
    "Software are limited to ninety (90) days, to the extent that such a limitation is permitted by "
    "law.\r\n"

    "9. CUSTOMER REMEDIES. Tallowbeck's entire liability and your exclusive remedy shall be, at "
    "Tallowbeck's option, either the return of the price paid or the repair or replacement of the "
    "Software that does not meet this limited warranty and that is returned to Tallowbeck with a copy"
    " of your receipt.\r\n"

    "10. NO OTHER WARRANTIES. To the maximum extent permitted by applicable law, Tallowbeck disclaims"
    " all other warranties, either express or implied, including but not limited to implied "
    "warranties of merchantability and fitness for a particular purpose, with regard to the Software "
    "and the accompanying printed materials.\r\n"

    "11. NO LIABILITY FOR CONSEQUENTIAL DAMAGES. To the maximum extent permitted by applicable law, "
    "in no event shall Tallowbeck or its suppliers be liable for any damages whatsoever (including, "
    "without limitation, damages for loss of business profits, business interruption, loss of data, "
    "loss of font designs or any other pecuniary loss) arising out of the use of or inability to use "
    "the Software, even if Tallowbeck has been advised of the possibility of such damages.\r\n"

    "12. GENERAL. This agreement is the entire agreement between you and Tallowbeck relating to the "
    "Software and supersedes all prior communications. If any provision of this agreement is held to "
    "be unenforceable, the remaining provisions shall remain in full force. Should you have any "
    "questions concerning this agreement, please write to Tallowbeck, Customer Sales and Service.\r\n"

    "Glyphwork and Tallowbeck are trademarks of Tallowbeck. All other trademarks are the property of "
    "their respective owners.\r\n";
