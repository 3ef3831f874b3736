// Shared test fixtures: a freshly built window, boards written as text, and
// the check that the board image shows exactly what the grids hold.
#pragma once

#include "ROFOmain.h"
#include "engine/board.h"

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// 16 rows of 12 cells, two characters a cell: ". " empty, "O " ring,
// "R0".."R3" and "F0".."F3" letters with their turn.
using BoardText = std::array<std::string, BoardRows>;

std::string BoardToText();
// A board from its non-empty rows; short rows are padded with empty cells.
BoardText Rows(std::initializer_list<std::pair<int, std::string>> rows);
std::string Text(const BoardText& board);

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a game with the calendar frozen at `second`.
    void Start(std::int64_t second = 1000);
    // Replaces the board with the given one, painting every cell, and puts
    // the moving piece nowhere (a board with no piece on it).
    void SetBoard(const BoardText& rows);
    // Places the moving piece and draws it, as the game would.
    void PlacePiece(int x, int y, int kind, int baseTurn, int dir);
    // Fails the test where the board image and the grids disagree.
    void ExpectBoardShowsGrids();
    QImage BoardImage() const { return form->Image1.Canvas().Image().copy(); }

    std::unique_ptr<TForm1> form;
    std::int64_t calendar = 1000;
    std::int32_t ticks = 0;
    std::vector<std::string> errors;
};

// A reference rendering of one tile in a 29 x 29 cell.
QImage RenderedTile(TForm1& form, int kind, int turn);
// Whether the cell's 29 x 29 pixels on `board` equal `expected`.
bool CellEquals(const QImage& board, int x, int y, const QImage& expected);
bool CellIsBlank(const QImage& board, int x, int y);
QRgb ToQRgb(TColor colour);
