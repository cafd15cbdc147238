#pragma once
#include <string>
#include <vector>

namespace torvane {

// The palette's settings with their defaults, as the settings file keeps them (flags are 0 or 1).
// TForm1 derives from it, so the form reads them as its own fields.
struct TForm1Settings {
    int Ktime = 1000;            // clipboard monitor interval, ms
    int Histo = 0;               // 1: the work page is kept across runs
    int OnTop = 0;               // 1: the palette stays on top
    int KanBoot = 0;             // 1: monitor from the first activation
    int KanClip = 0;             // 1: restart the monitor after palette operations
    int LocateLoc = 0;           // 1: the palette cannot be moved or resized
    int ColBacc = 16777215;      // palette background, 0x00BBGGRR
    int ColEdge = 0;             // palette edge
    int ColMnuB = 8421504;       // clip buttons
    int SwSize = 16;             // side of the command buttons, px
    int BtnXn = 3;               // clip button columns
    int BtnYn = 3;               // clip button rows
    int BtnWi = 64;              // clip button width, px
    int BtnHe = 64;              // clip button height, px
    int AlphaCheck1 = 0;         // palette translucent
    int AlphaValue1 = 128;
    int AlphaCheck2 = 0;         // figure browser translucent
    int AlphaValue2 = 128;
    int BootJwwHnd = 0;          // paste target: 0 none, -1 the last active Jw_cad window
    int TranKyo = 0;             // curve attribute conversion: 0 off, 1 clear, 2 all the same
    int TranCol = 0;             // SXF user colour target: 0 off, 1..25
    int TranLtp = 0;             // SXF user line type target: 0 off, 1..33
    int TranAut = 0;             // 1: transfer every new capture at once
    int PasteBaN = 0;
    std::vector<std::u16string> PasteBa;  // scale choices
    int PasteAnN = 0;
    std::vector<std::u16string> PasteAn;  // angle choices
    std::u16string PasteBai = u"1.0";     // scale text
    std::u16string PasteAng = u"0.0";     // angle text
    double PasteBaX = 1.0;
    double PasteBaY = 1.0;
    double PasteAnr = 0.0;
    bool PasteMoj = true;        // text sizes follow the paste transform
    bool PasteTen = true;        // marker sizes follow it
    int ZukeiType = 0;           // figure selection dialog: file type 0..4
    std::u16string ZukeiFold;    // and its folder
    int ZukeiImgX = 4;           // its thumbnail columns and rows
    int ZukeiImgY = 4;
    int ZukeiBrwX = 5;           // figure browser: columns and rows
    int ZukeiBrwY = 5;
    int ZukeiBrwT = 0;           // file type 0 "*.jwk", 1 "*.jws", 2 both, 3 "*.jww", 4 all
    int ZukeiBrwF = -1;          // selected recent folder, -1 none
};

}  // namespace torvane
