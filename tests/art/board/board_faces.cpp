// The board of each card set with all 64 cards face up, drawn by the game's own frame into
// a 16-bit surface like its back buffer, for looking at the pictures where players see them.
// Built by hand against a test build's objects (see tests/art/board/shoot.sh); the frames
// go to PAIRWICK_SHOTS as board-faces-<set>.bmp.
#include "inproc/inproc.h"

#include <cstdlib>
#include <string>

namespace {

class BoardFaces : public InProc {};

TEST_F(BoardFaces, EverySetWithEveryCardFaceUp) {
    const char* folder = std::getenv("PAIRWICK_SHOTS");
    ASSERT_NE(folder, nullptr);
    const struct { std::uint32_t command; const char* name; } sets[] = {
        {511, "castles"}, {512, "flowers"}, {513, "cars"}, {514, "blazons"}};
    for (const auto& set : sets) {
        SCOPED_TRACE(set.name);
        command(set.command);
        new_ordered_game();
        for (int i = 0; i < 64; ++i) game.field.card[i]->face_up = true;
        surface shot(800, 600);
        game.back_dc = shot.dc();
        game.main();
        game.back_dc = nullptr;
        const std::string path = std::string(folder) + "\\board-faces-" + set.name + ".bmp";
        write_bmp(path, 800, 600, [&](int x, int y) { return shot.at(x, y); });
    }
}

}  // namespace
