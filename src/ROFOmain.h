// The game's one window: its controls, its event handlers and the game's
// operations, which call one another directly.
#pragma once

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/forms.h"
#include "toolkit/jpeg.h"
#include "toolkit/timers.h"

#include <string>

class TForm1 : public TForm {
public:
    TImage Image1;
    TButton Button1;
    TTimer Timer1;
    TImage ImageO;
    TImage ImageR1;
    TImage ImageR2;
    TImage ImageR3;
    TImage ImageR4;
    TImage ImageF4;
    TImage ImageF1;
    TImage ImageF2;
    TImage ImageF3;
    TEdit ShoyouE;
    TButton Button2;
    TTimer Timer2;
    TEdit TimeE;
    TEdit DanE;
    TUpDown TimeUD;
    TUpDown DanUD;
    TImage Image2;
    TLabel Label1;
    TLabel Label2;
    TLabel Label3;
    TLabel Label4;
    TLabel Label5;
    TLabel Label6;
    TImage ImageP1;
    TLabel Label7;

    explicit TForm1(TApplication* Owner);

    // Event handlers.
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void FormKeyPress(TObject* Sender, char32_t& Key);

    // Game operations.
    void SpawnPiece();
    void DrawPiece();
    void ErasePiece();
    void FindWords();
    void ClearCell(int x, int y);
    void AdvanceProgress();

    // Cell painting: the tile for (kind, turn), or the board colour.
    void DrawTile(int x, int y, int kind, int turn);
    void BlankCell(int x, int y);
    TImage& TileImage(int kind, int turn);

private:
    void LayOutControls();
    void BindEvents();
    void LoadTileBitmaps();
    void ShowTitlePicture();
    void WriteInstructions();
    void LoadRewardPicture(TJPEGImage& picture);
    bool PieceCanRise() const;
    int ScanForWords(int dx, int dy);
};

extern TForm1* Form1;

// The elapsed-time text for two readings of the millisecond clock.
std::string ElapsedText(int startClock, int nowClock);

// The window's caption, constant for the life of the program.
extern const char* const WindowCaption;
